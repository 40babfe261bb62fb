#include "accessibility.h"

#include "picture_box.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>

#include <optional>

namespace {

// The labels inside a widget or beside it that name it: their buddy is the widget.
QList<QLabel*> Naming_Labels(const QWidget& widget)
{
    QList<QLabel*> labels = widget.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    if (widget.parentWidget())
        labels << widget.parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    labels.removeIf([&widget](const QLabel* label) { return label->buddy() != &widget; });
    return labels;
}

// A control in the role that the design gives it, named by its naming labels
// where it has any; a line that other lines name goes on from them. A screen
// reader reads one label relation only, and reads no line that has one, so
// the labels name it and are not its label relations.
class Designed_Accessible final : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        QStringList naming;
        for (const QLabel* label : Naming_Labels(*widget()))
            naming << label->text();
        if (naming.isEmpty())
            return QAccessibleWidget::text(kind);
        if (const auto* line = qobject_cast<const QLabel*>(widget()))
            naming << line->text();
        return naming.join(u' ');
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        related.removeIf([](const auto& relation) { return relation.second & QAccessible::Label; });
        return related;
    }
};

// Qt's own interface of a line edit reports attribute runs of no length, and
// a screen reader that builds the box's line from those runs drops its last
// character ("2" for "24"). This one reports the whole text as one run and is
// otherwise the line edit as Qt describes it.
class Line_Edit_Accessible final : public QAccessibleWidget,
                                   public QAccessibleTextInterface,
                                   public QAccessibleEditableTextInterface {
public:
    explicit Line_Edit_Accessible(QLineEdit* box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? box().text() : QAccessibleWidget::text(kind);
    }

    void setText(QAccessible::Text kind, const QString& text) override
    {
        if (kind == QAccessible::Value)
            box().setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = box().isReadOnly();
        state.selectableText = true;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && box().hasSelectedText()) {
            *start = box().selectionStart();
            *end = box().selectionEnd();
        }
    }
    int selectionCount() const override { return box().hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box().deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box().setSelection(start, end - start);
    }

    int cursorPosition() const override { return box().cursorPosition(); }
    void setCursorPosition(int position) override { box().setCursorPosition(position); }

    QString text(int start, int end) const override { return box().text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(box().text().size()); }

    QRect characterRect(int offset) const override
    {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty())
            return {};
        // The text starts where the cursor stands, less the text before it.
        const QFontMetrics metrics(box().font());
        const QRect cursor = box().inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int text_start
            = cursor.x() - metrics.horizontalAdvance(box().text().left(box().cursorPosition()));
        const QRect rect(text_start + metrics.horizontalAdvance(box().text().left(offset)),
            cursor.y(), metrics.horizontalAdvance(character), metrics.height());
        return rect.translated(box().mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return box().cursorPositionAt(box().mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        box().setCursorPosition(end);
        box().setCursorPosition(start);
    }

    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    void deleteText(int start, int end) override
    {
        box().setText(box().text().remove(start, end - start));
    }
    void insertText(int offset, const QString& text) override
    {
        box().setText(box().text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString& text) override
    {
        box().setText(box().text().replace(start, end - start, text));
    }

private:
    QLineEdit& box() const { return *static_cast<QLineEdit*>(widget()); }
};

std::optional<QAccessible::Role> Designed_Role(const QWidget& widget)
{
    const QByteArray named = widget.property("accessibleRole").toByteArray();
    if (named == "Prompted")
        return QAccessible::KEYWRIGHT_PROMPTED_ROLE;
    if (!named.isEmpty()) {
        bool known = false;
        const int role
            = QMetaEnum::fromType<QAccessible::Role>().keyToValue(named.constData(), &known);
        if (known)
            return static_cast<QAccessible::Role>(role);
    }
    if (qobject_cast<const Picture_Box*>(&widget))
        return QAccessible::Graphic;
    if (qobject_cast<const Announcement*>(&widget))
        return QAccessible::Notification;
    if (qobject_cast<const QLabel*>(&widget) && !Naming_Labels(widget).isEmpty())
        return QAccessible::StaticText;
    const auto* frame = qobject_cast<const QFrame*>(&widget);
    if (frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine))
        return QAccessible::Separator;
    return std::nullopt;
}

QAccessibleInterface* Designed_Interface(const QString& class_name, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    // Asked once per class from the most derived up; the answer is the same.
    if (!widget || class_name != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return new Line_Edit_Accessible(box);
    const auto role = Designed_Role(*widget);
    return role ? new Designed_Accessible(widget, *role) : nullptr;
}

} // namespace

void Install_Accessible_Roles()
{
    QAccessible::installFactory(Designed_Interface);
}

Announcement::Announcement(QWidget& parent) : QWidget(&parent)
{
    setGeometry(0, 0, 0, 0);
    hide();
    window()->installEventFilter(this);
}

void Announcement::Say(const QString& text)
{
    Withdraw();
    setAccessibleName(text);
    show(); // read as it appears
    Notify(*this, text);
}

void Announcement::Withdraw()
{
    hide();
    setAccessibleName({});
}

bool Announcement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && event->type() == QEvent::Hide)
        Withdraw();
    return QWidget::eventFilter(watched, event);
}

bool Is_Screen_Reader_Copy_Of_Alt(const QEvent& event)
{
    if (event.spontaneous()
        || (event.type() != QEvent::KeyPress && event.type() != QEvent::KeyRelease))
        return false;
    return static_cast<const QKeyEvent&>(event).key() == Qt::Key_Alt && QAccessible::isActive();
}
