#include "support/window_test.h"

#include "app/startup.h"

namespace noktaris::test {

WindowTest::~WindowTest() { destroyWindows(); }

void WindowTest::start()
{
    startUp();
    QTest::qWait(30);
}

} // namespace noktaris::test
