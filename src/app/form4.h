// "Noktaris 1.4 (rozšířený režim)": the extended-mode hub window.
#pragma once

#include "common/handover.h"

namespace noktaris {

class TForm4 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

protected:
    // Closing the hub closes the basic-mode window, which ends the program.
    void onClosed() override;
};

} // namespace noktaris
