// A fresh temporary copy of the program's folder (config.ini, data/, pics/, html/)
// made the working directory for one test case, so a case can break any file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace noktaris::test {

class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    QString path(const QString& relative) const;
    QByteArray read(const QString& relative) const;
    void write(const QString& relative, const QByteArray& bytes) const;
    void remove(const QString& relative) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// The delivered file of the source tree.
QByteArray deliveredFile(const QString& relative);

} // namespace noktaris::test
