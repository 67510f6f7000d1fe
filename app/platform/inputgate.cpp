// Input beneath modal windows, and keys held across a window's opening.
#include "inputgate.h"

#include <QApplication>
#include <QKeyEvent>

#include <set>

namespace tessaro::platform {
namespace {

// Lets through only the keys first pressed while its window was open.
class FreshKeysOnly : public QObject {
public:
    explicit FreshKeysOnly(QWidget& window) : QObject(&window), window_(window) {}

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease) {
            return false;
        }
        const auto* widget = qobject_cast<QWidget*>(receiver);
        if (widget == nullptr || widget->window() != &window_) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (type == QEvent::KeyPress && !key->isAutoRepeat()) {
            fresh_.insert(key->key());
        }
        const bool fresh = fresh_.contains(key->key());
        if (type == QEvent::KeyRelease && !key->isAutoRepeat()) {
            fresh_.erase(key->key());
        }
        return !fresh;
    }

private:
    QWidget& window_;
    std::set<int> fresh_;
};

}  // namespace

bool AcceptsInput(const QWidget& window)
{
    const QWidget* modal = QApplication::activeModalWidget();
    return modal == nullptr || modal == window.window();
}

void IgnoreKeysHeldBeforeOpening(QWidget& modalWindow)
{
    // On the application, as the keys go to whichever control of the window has the focus; it goes with
    // the window.
    qApp->installEventFilter(new FreshKeysOnly(modalWindow));
}

}  // namespace tessaro::platform
