// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "ui/screenreader.h"

#include "ui/controls.h"
#include "ui/spokenresult.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace ui {
namespace {

// Orca 48 reads a closed list's value from its "valuetext" attribute first, and without one
// reads the name of a list with nothing chosen as its value. Qt 6.4 offers no attributes, nor
// does Orca 43 look for one.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
class ValueAttribute : public QAccessibleAttributesInterface
{
public:
    explicit ValueAttribute(const DropDownList *list)
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
class ValueAttribute
{
public:
    explicit ValueAttribute(const DropDownList *) {}
    void *castTo(QAccessible::InterfaceType) { return nullptr; }
};
#endif

// A list is named by its role, as the heading over it says, whatever is chosen; the choice is
// its value, its text (where a screen reader looks for a closed list's value when the toolkit
// offers no selection), its value attribute and the selected item of its popup list.
class ListAccessible : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public ValueAttribute
{
public:
    explicit ListAccessible(DropDownList *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
        , ValueAttribute(list)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (void *attributes = castTo(type))
            return attributes;
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->text();
        return QAccessibleWidget::text(t);
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
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
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

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    // Pictures are images to a screen reader, named by what they show.
    if (qobject_cast<Image *>(object) || qobject_cast<PictureBox *>(object))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    if (auto *list = qobject_cast<DropDownList *>(object))
        return new ListAccessible(list);
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

} // namespace ui
