// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "ui/screenreader.h"

#include "ui/controls.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace ui {
namespace {

// Qt 6.8 sends announcements and tells screen readers of a "described by" relation.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
constexpr bool kAnnouncements = true;
#else
constexpr bool kAnnouncements = false;
#endif

// One notice of an announcer: nothing to see, a name to be spoken.
class Notice : public QWidget
{
public:
    explicit Notice(QWidget *parent)
        : QWidget(parent)
    {
        setGeometry(0, 0, 0, 0);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }
};

// Each control and what describes it.
QHash<const QObject *, QPointer<QWidget>> &describers()
{
    static QHash<const QObject *, QPointer<QWidget>> d;
    return d;
}

using Relations = QList<QPair<QAccessibleInterface *, QAccessible::Relation>>;

// The relations of the widget, and what describes it: a relation names what the other is to
// this one, so the describer is its "description for".
Relations withDescriber(Relations relations, const QWidget *widget, QAccessible::Relation match)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QWidget *describer = describers().value(widget);
    if (describer && (match & QAccessible::DescriptionFor))
        relations.append(
                {QAccessible::queryAccessibleInterface(describer), QAccessible::DescriptionFor});
#else
    Q_UNUSED(widget);
    Q_UNUSED(match);
#endif
    return relations;
}

// A closed list's value for screen readers, from Qt 6.8 on: its text as its "valuetext"
// attribute, where Orca 48 and later read a list's value first; without one they read the name
// of a list with nothing chosen as its value. Qt 6.4 offers no attributes, nor does Orca 43 look
// for one. (A list with a value interface would tell its changes as the value of a range, which
// Orca 48 speaks as the list's name.)
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
class ListValue : public QAccessibleAttributesInterface
{
public:
    explicit ListValue(const DropDownList *list)
        : m_list(list)
    {}
    void *castTo(QAccessible::InterfaceType type)
    {
        return type == QAccessible::AttributesInterface
                ? static_cast<QAccessibleAttributesInterface *>(this)
                : nullptr;
    }
    QList<QAccessible::Attribute> attributeKeys() const override
    {
        return {QAccessible::Attribute::Custom};
    }
    QVariant attributeValue(QAccessible::Attribute key) const override
    {
        if (key != QAccessible::Attribute::Custom)
            return {};
        const QHash<QString, QString> attributes{{QStringLiteral("valuetext"), m_list->text()}};
        return QVariant::fromValue(attributes);
    }

private:
    const DropDownList *m_list;
};
#else
class ListValue
{
public:
    explicit ListValue(const DropDownList *) {}
    void *castTo(QAccessible::InterfaceType) { return nullptr; }
};
#endif

// A list is named by its role, as the heading over it says, whatever is chosen; the choice is
// its value, its text (where a screen reader looks for a closed list's value when the toolkit
// offers no selection), its value attribute and the selected item of its popup list.
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface, public ListValue
{
public:
    explicit ListAccessible(DropDownList *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
        , ListValue(list)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (void *value = castTo(type))
            return value;
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->text();
        return QAccessibleWidget::text(t);
    }
    Relations relations(QAccessible::Relation match) const override
    {
        return withDescriber(QAccessibleWidget::relations(match), widget(), match);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    // A locked list offers nothing to do, as the toolkit's own controls do.
    QStringList actionNames() const override
    {
        if (!widget()->isEnabled())
            return {};
        return {showMenuAction(), pressAction()};
    }
    void doAction(const QString &action) override
    {
        if (!actionNames().contains(action))
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    // The choice as read-only text without a caret.
    QString text(int start, int end) const override
    {
        return list()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(list()->text().size()); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}

private:
    DropDownList *list() const { return static_cast<DropDownList *>(widget()); }
};

// A push button, pressed through the bus as by a click at once (the toolkit's own animates one,
// a moment later), and described by the result it produces where it produces one.
class ButtonAccessible : public QAccessibleWidget
{
public:
    explicit ButtonAccessible(CommandButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {}
    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? button()->text() : own;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            button()->click();
    }
    Relations relations(QAccessible::Relation match) const override
    {
        return withDescriber(QAccessibleWidget::relations(match), widget(), match);
    }

private:
    CommandButton *button() const { return static_cast<CommandButton *>(widget()); }
};

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    // Pictures are images to a screen reader, named by what they show.
    if (qobject_cast<Image *>(object) || qobject_cast<PictureBox *>(object))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    if (auto *list = qobject_cast<DropDownList *>(object))
        return new ListAccessible(list);
    if (auto *button = qobject_cast<CommandButton *>(object))
        return new ButtonAccessible(button);
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new QAccessibleWidget(announcer, QAccessible::StatusBar);
    if (auto *notice = dynamic_cast<Notice *>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    return nullptr;
}

} // namespace

void installScreenReaderSupport()
{
    QAccessible::installFactory(accessibleFor);
}

bool describeBy(QWidget *control, QWidget *description)
{
    if (!kAnnouncements
        || !(qobject_cast<DropDownList *>(control) || qobject_cast<CommandButton *>(control)))
        return false;
    describers().insert(control, description);
    QObject::connect(control, &QObject::destroyed, [control] { describers().remove(control); });
    return true;
}

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    if (!kAnnouncements) {
        for (int i = 0; i < 3; ++i)
            m_notices.push_back(new Notice(this));
    }
}

void Announcer::announce(const QString &text, QWidget *focusedControl)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (focusedControl) {
        focusedControl->setAccessibleDescription(text);
    } else {
        QAccessibleAnnouncementEvent event(parentWidget(), text);
        QAccessible::updateAccessibility(&event);
    }
#else
    Q_UNUSED(focusedControl);
    QWidget *notice = m_notices[m_next];
    m_next = (m_next + 1) % m_notices.size();
    notice->setAccessibleName(text);
    notice->hide();
    notice->show();
#endif
    emit announced(text);
}

} // namespace ui
