// Set-up shared by the benchmarks that drive a real board window: a Qt
// application on the platform Qt is given (offscreen without a display) and a
// scratch folder that also holds the settings and state the window writes.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>

namespace orvel::bench {

class BoardWindowApp {
public:
    explicit BoardWindowApp(const char* program)
        : argc_(choose_platform()), name_(program), argv_{name_.data(), nullptr}, app_(argc_, argv_)
    {
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_STATE_HOME", dir_.filePath(QStringLiteral("state")).toLocal8Bit());
    }

    const QTemporaryDir& dir() const { return dir_; }

private:
    // Runs before the application is made, which reads the platform then.
    static int choose_platform()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return 1;
    }

    int argc_;
    QByteArray name_;
    char* argv_[2];
    QApplication app_;
    QTemporaryDir dir_;  // made after, and removed before, the application
};

}  // namespace orvel::bench
