#include "ui/accessibility.h"

#include "ui/controls.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace ui {
namespace {

// A list is named by its role, as the heading over it says, whatever is chosen; the choice is
// its value, its text (where a screen reader looks for a closed list's value when the toolkit
// offers no selection) and the selected item of its popup list.
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ListAccessible(DropDownList *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
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

// A notice of an announcer.
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

void installAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(accessibleFor), true);
    Q_UNUSED(installed);
}

} // namespace

void nameForScreenReaders(QWidget *control, const ControlDef &def)
{
    installAccessibleFactory();
    if (def.accessibleName)
        control->setAccessibleName(QLatin1String(def.accessibleName));
}

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    installAccessibleFactory();
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < 3; ++i)
        m_notices.push_back(new Notice(this));
}

void Announcer::announce(const QString &text)
{
    QWidget *notice = m_notices[m_next];
    m_next = (m_next + 1) % m_notices.size();
    notice->setAccessibleName(text);
    notice->hide();
    notice->show();
}

void SpokenResult::followChoices(const QList<DropDownList *> &lists, int slowestTimerMs)
{
    for (DropDownList *list : lists)
        QObject::connect(list, &DropDownList::clicked, &m_settling,
                         [this, list] { choiceMade(list); });
    // Half again as long as the slowest timer, since coarse timers may tick late.
    m_settling.setSingleShot(true);
    m_settling.setInterval(slowestTimerMs * 3 / 2);
    QObject::connect(&m_settling, &QTimer::timeout, [this] { announce(); });
}

void SpokenResult::setResultControls(QWidget *screen, std::vector<QWidget *> producers,
                                     QWidget *resultArea)
{
    m_producers = std::move(producers);
    m_resultArea = resultArea;
    m_announcer = new Announcer(screen);
}

void SpokenResult::offer(const QString &text)
{
    if (text == m_offered)
        return;
    m_offered = text;
    for (QWidget *w : m_producers)
        w->setAccessibleDescription(text);
    if (m_resultArea)
        m_resultArea->setAccessibleName(text);
    // The description's own change is not spoken by every screen reader.
    m_resultPending = !text.isEmpty();
    announceWhenSettled();
}

void SpokenResult::choiceMade(const DropDownList *list)
{
    // A screen reader does not speak a closed list's new choice by itself. A blank item
    // would be spoken as nothing.
    const QString choice = list->text();
    m_choice = choice.trimmed().isEmpty() ? QStringLiteral("blank") : choice;
    announceWhenSettled();
}

void SpokenResult::announceWhenSettled()
{
    // One announcement for a choice and all it changes: each new one would cut the last short.
    if (m_announcer)
        m_settling.start();
}

void SpokenResult::announce()
{
    QStringList parts{m_choice};
    if (m_resultPending)
        parts << m_offered;
    m_choice.clear();
    m_resultPending = false;
    parts.removeAll(QString());
    if (!parts.isEmpty())
        m_announcer->announce(parts.join(QLatin1String(". ")));
}

QString spokenRange(const Label *minimum, const Label *minimumUnit, const Label *maximum,
                    const Label *maximumUnit)
{
    QStringList parts;
    if (!minimum->caption().isEmpty())
        parts << QLatin1String("minimum ") + minimum->caption() + u' ' + minimumUnit->caption();
    if (!maximum->caption().isEmpty())
        parts << QLatin1String("maximum ") + maximum->caption() + u' ' + maximumUnit->caption();
    return parts.join(QLatin1String(", "));
}

} // namespace ui
