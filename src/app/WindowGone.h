#pragma once
// Another X client may destroy the main window. The toolkit then keeps the
// program running with nothing on the screen, and every later start would only
// "activate" it; so the end of the window is made the end of the program.
#include <QAbstractNativeEventFilter>
#include <functional>

class QWidget;

namespace tandrel {

class WindowGone : public QAbstractNativeEventFilter {
public:
    // gone runs once when the X window of w is destroyed by someone else.
    WindowGone(QWidget& w, std::function<void()> gone);
    ~WindowGone() override;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    QWidget& window_;
    std::function<void()> gone_;
};

} // namespace tandrel
