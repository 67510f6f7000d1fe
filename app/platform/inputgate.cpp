// Input beneath modal windows, and keys held across a window's opening.
#include "inputgate.h"

#include <QApplication>
#include <QKeyEvent>

#include <map>
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
        const bool fresh = fresh_.contains(key->key());
        if (type == QEvent::KeyRelease) {
            if (!fresh) {
                releasedAt_[key->key()] = key->timestamp();
            } else if (!key->isAutoRepeat()) {
                fresh_.erase(key->key());
            }
            return !fresh;
        }
        if (fresh) {
            return false;
        }
        // A held key repeats as a release and a press at the same moment; Qt does not always tell them from
        // a new press, when the press has not yet arrived as it looks at the release. A key that a screen
        // reader listened to comes again as a copy without a moment (0): that is a press of its own.
        const auto released = releasedAt_.find(key->key());
        if (key->isAutoRepeat() || (key->timestamp() != 0 && released != releasedAt_.end() &&
                                    released->second == key->timestamp())) {
            return true;
        }
        fresh_.insert(key->key());
        return false;
    }

private:
    QWidget& window_;
    std::set<int> fresh_;
    std::map<int, quint64> releasedAt_;  // when each key that is not fresh was last let go, or seemed to be
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
