// A label's caption offered to assistive technology as read-only text.
#include "accessiblecaption.h"

#include "accessibleinterfaces.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QStyle>
#include <QVariant>

namespace tessaro::platform {
namespace {

constexpr char kCaptionAsText[] = "tessaroCaptionAsText";

class CaptionAsText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CaptionAsText(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    // A caption cannot be selected or edited, and has no cursor.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

    QString text(int startOffset, int endOffset) const override
    {
        const QString text = caption();
        if (endOffset < 0 || endOffset > text.size()) {
            endOffset = static_cast<int>(text.size());
        }
        return startOffset < 0 || startOffset > endOffset ? QString() : text.mid(startOffset, endOffset - startOffset);
    }
    using QAccessibleWidget::text;

    int characterCount() const override { return static_cast<int>(caption().size()); }

    QRect characterRect(int offset) const override
    {
        const QString text = caption();
        if (offset < 0 || offset >= text.size()) {
            return {};
        }
        const QLabel& shown = label();
        const QFontMetrics metrics = shown.fontMetrics();
        const QRect line = QStyle::alignedRect(shown.layoutDirection(), shown.alignment(),
                                               QSize(metrics.horizontalAdvance(text), metrics.height()),
                                               shown.contentsRect());
        const QRect character(line.left() + metrics.horizontalAdvance(text.left(offset)), line.top(),
                              metrics.horizontalAdvance(text.at(offset)), metrics.height());
        return {shown.mapToGlobal(character.topLeft()), character.size()};
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        for (int offset = 0; offset < characterCount(); ++offset) {
            if (characterRect(offset).contains(point)) {
                return offset;
            }
        }
        return -1;
    }

    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    const QLabel& label() const { return *static_cast<const QLabel*>(widget()); }
    QString caption() const { return label().text(); }
};

QAccessibleInterface* CaptionAsTextFor(const QString&, QObject* object)
{
    auto* label = qobject_cast<QLabel*>(object);
    return label != nullptr && label->property(kCaptionAsText).toBool() ? new CaptionAsText(label) : nullptr;
}

}  // namespace

void ReadCaptionAsText(QLabel& label)
{
    label.setProperty(kCaptionAsText, true);
    ReplaceAccessibleInterface<CaptionAsText>(label, &CaptionAsTextFor);
}

}  // namespace tessaro::platform
