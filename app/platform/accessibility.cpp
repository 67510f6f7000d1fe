// Reading-order containers, a counter read as text, press-less buttons and spoken notices for assistive
// technology.
#include "accessibility.h"

#include <QAccessibleEvent>
#include <QAccessibleWidget>
#include <QDialog>
#include <QLabel>
#include <QVariant>

#include <algorithm>

namespace tessaro::platform {
namespace {

constexpr char kReadingOrder[] = "tessaroReadingOrder";
constexpr char kDecorative[] = "tessaroDecorative";
constexpr char kNoPress[] = "tessaroNoPress";
constexpr char kCaptionAsText[] = "tessaroCaptionAsText";
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
constexpr char kNoticeLine[] = "tessaroNoticeLine";
constexpr char kNotice[] = "tessaroNotice";
#endif

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

// Qt offers a label's caption only as its name; a label that is named for what it counts offers the
// count with that name ("Moves: 12") as both its name and its text, read-only, without a cursor or
// selection: Orca 43 reads a focused label by its name, Orca 48 by its text.
class CaptionAsText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CaptionAsText(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

    // Not in the description: Orca with Qt 6.4 keeps a stale description but fetches a changed name afresh.
    QString text(QAccessible::Text type) const override
    {
        const QString name = QAccessibleWidget::text(type);
        const QString count = caption().trimmed();
        return type == QAccessible::Name && !count.isEmpty() ? QStringLiteral("%1: %2").arg(name, count) : name;
    }

    QString text(int startOffset, int endOffset) const override
    {
        const QString text = named();
        if (endOffset < 0 || endOffset > text.size()) {
            endOffset = static_cast<int>(text.size());
        }
        return startOffset < 0 || startOffset > endOffset ? QString() : text.mid(startOffset, endOffset - startOffset);
    }

    int characterCount() const override { return static_cast<int>(named().size()); }

    // A few characters: each is placed on the whole label, which is all a magnifier needs to follow them.
    QRect characterRect(int offset) const override
    {
        return offset >= 0 && offset < characterCount() ? rect() : QRect();
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        return characterCount() > 0 && rect().contains(point) ? 0 : -1;
    }

    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QString caption() const { return static_cast<const QLabel*>(widget())->text(); }
    QString named() const { return text(QAccessible::Name); }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// The notice's text lives in a property rather than in the accessible name: Qt 6.4 reports a changed
// name with the object in place of the new text, which Orca then fails to speak.
class Notice : public QAccessibleWidget {
public:
    explicit Notice(QWidget* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? widget()->property(kNotice).toString() : QString();
    }
};
#endif

QAccessibleInterface* GameInterfaceFor(const QString&, QObject* object)
{
    auto* control = qobject_cast<QWidget*>(object);
    if (control == nullptr) {
        return nullptr;
    }
    if (control->property(kReadingOrder).toBool()) {
        return new ReadingOrderContainer(control);
    }
    if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && label->property(kCaptionAsText).toBool()) {
        return new CaptionAsText(label);
    }
    if (control->property(kNoPress).toBool()) {
        return new QAccessibleWidget(control, QAccessible::Button);
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (control->property(kNoticeLine).toBool()) {
        return new QAccessibleWidget(control, QAccessible::StatusBar);
    }
    if (control->property(kNotice).isValid()) {
        return new Notice(control);
    }
#endif
    return nullptr;
}

// Marks the control for the factory (Qt keeps one copy of it however often it is installed) and drops
// any interface Qt made for the control before, so that the next request builds the game's.
void PresentByGameInterface(QWidget& control, const char* mark)
{
    control.setProperty(mark, true);
    QAccessible::installFactory(&GameInterfaceFor);
    if (QAccessibleInterface* current = QAccessible::queryAccessibleInterface(&control);
        current != nullptr && current->object() == &control) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
    }
}

}  // namespace

void ListInReadingOrder(QWidget& container)
{
    PresentByGameInterface(container, kReadingOrder);
}

void MarkDecorative(QWidget& control)
{
    control.setProperty(kDecorative, true);
}

void ReadCaptionAsText(QLabel& label)
{
    PresentByGameInterface(label, kCaptionAsText);
}

void SetCaption(QLabel& label, const QString& caption)
{
    label.setText(caption);
    // A screen reader keeps what it last heard of a control until told that it changed.
    QAccessibleEvent changed(&label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void OfferNoPress(QWidget& button)
{
    PresentByGameInterface(button, kNoPress);
}

void Announce(QWidget& container, const QString& message)
{
    if (!QAccessible::isActive()) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 has announcements of its own, which Orca 48 speaks as they are, after what it is saying.
    QAccessibleAnnouncementEvent announcement(&container, message);
    QAccessible::updateAccessibility(&announcement);
#else
    // Orca speaks a notification when it shows, and one inside a status bar without calling it a
    // notification. Both stay hidden, so nothing on the screen changes.
    auto* notice = container.findChild<QWidget*>(kNotice);
    if (notice == nullptr) {
        auto* line = new QWidget(&container);
        line->hide();
        PresentByGameInterface(*line, kNoticeLine);
        notice = new QWidget(line);
        notice->setObjectName(kNotice);
    }
    notice->setProperty(kNotice, message);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

}  // namespace tessaro::platform
