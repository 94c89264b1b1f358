#include "app/WindowGone.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdint>

namespace tandrel {

namespace {

// The X protocol's DestroyNotify event, as the xcb platform hands it over.
struct DestroyNotify {
    std::uint8_t response_type;
    std::uint8_t pad0;
    std::uint16_t sequence;
    std::uint32_t event;
    std::uint32_t window;
};
constexpr std::uint8_t XDestroyNotify = 17;

} // namespace

WindowGone::WindowGone(QWidget& w, std::function<void()> gone) : window_(w), gone_(std::move(gone))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowGone::~WindowGone()
{
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowGone::nativeEventFilter(const QByteArray& type, void* message, qintptr*)
{
    if (type != "xcb_generic_event_t" || !gone_) return false;
    const auto* e = static_cast<const DestroyNotify*>(message);
    // Once: our own destroy at the very end comes after the exit sequence anyway.
    if ((e->response_type & 0x7f) != XDestroyNotify || !window_.testAttribute(Qt::WA_WState_Created) ||
        e->window != static_cast<std::uint32_t>(window_.internalWinId()))
        return false;
    auto gone = std::move(gone_);
    gone_ = nullptr;
    gone();
    return false;
}

} // namespace tandrel
