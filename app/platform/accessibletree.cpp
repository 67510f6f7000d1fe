// Reading-order containers for assistive technology.
#include "accessibletree.h"

#include "accessibleinterfaces.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QVariant>

#include <algorithm>

namespace tessaro::platform {
namespace {

constexpr char kReadingOrder[] = "tessaroReadingOrder";
constexpr char kDecorative[] = "tessaroDecorative";

class ReadingOrderContainer : public QAccessibleWidget {
public:
    explicit ReadingOrderContainer(QWidget* container)
        : QAccessibleWidget(container, qobject_cast<QDialog*>(container) != nullptr ? QAccessible::Dialog
                                                                                     : QAccessible::Client)
    {
    }

    int childCount() const override { return static_cast<int>(listed().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> controls = listed();
        return index >= 0 && index < controls.size() ? QAccessible::queryAccessibleInterface(controls.at(index))
                                                     : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child == nullptr ? -1 : static_cast<int>(listed().indexOf(qobject_cast<QWidget*>(child->object())));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = widget()->isWindow() && widget()->isModal();
        return state;
    }

private:
    QList<QWidget*> listed() const
    {
        QList<QWidget*> controls;
        for (QObject* object : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(object);
            if (control != nullptr && !control->isWindow() && !control->isHidden() &&
                !control->property(kDecorative).toBool()) {
                controls.append(control);
            }
        }
        std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        return controls;
    }
};

QAccessibleInterface* ReadingOrderContainerFor(const QString&, QObject* object)
{
    auto* container = qobject_cast<QWidget*>(object);
    return container != nullptr && container->property(kReadingOrder).toBool() ? new ReadingOrderContainer(container)
                                                                               : nullptr;
}

}  // namespace

void ListInReadingOrder(QWidget& container)
{
    container.setProperty(kReadingOrder, true);
    ReplaceAccessibleInterface<ReadingOrderContainer>(container, &ReadingOrderContainerFor);
}

void MarkDecorative(QWidget& control)
{
    control.setProperty(kDecorative, true);
}

}  // namespace tessaro::platform
