// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "ui/dropdownlist.h"

#include "ui/designstyle.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include <algorithm>

namespace ui {

DropDownList::DropDownList(const ControlDef &def, QWidget *parent)
    : QComboBox(parent)
{
    setObjectName(QLatin1String(def.name));
    setFont(fontOf(def.font));
    setEditable(false);
    setMaxVisibleItems(8);
    // Nothing chosen, and nothing chosen meanwhile: a list whose first item became current for a
    // moment would tell screen readers of a choice nobody made. A placeholder keeps the toolkit
    // from choosing the first item; a blank one shows nothing.
    setPlaceholderText(QStringLiteral(" "));
    for (const core::ListItem &item : def.items)
        addItem(QLatin1String(item.text), item.data);
    // The closed box is as high as its design says; the list itself opens below it.
    setGeometry(rectOf(def));
    setFocusPolicy(Qt::StrongFocus);
    nameForScreenReaders(this, def);
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit chosen(itemData(index).toInt()); });
    m_typedAt.invalidate();
    // The choice is the selected item of the list, where a screen reader looks for it.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        view()->selectionModel()->select(model()->index(index, 0),
                                         QItemSelectionModel::ClearAndSelect);
    });
    // A screen reader chooses by selecting an item of the closed list; that is a choice by
    // the user like any other. While the list is open the selection only follows the pointer.
    connect(view()->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (view()->isVisible())
            return;
        const QModelIndexList rows = view()->selectionModel()->selectedRows();
        if (rows.size() != 1 || rows.front().row() == currentIndex())
            return;
        choose(rows.front().row());
        // A locked list keeps its choice, and shows it where the selection was.
        if (rows.front().row() != currentIndex())
            view()->selectionModel()->select(model()->index(currentIndex(), 0),
                                             QItemSelectionModel::ClearAndSelect);
    });
}

void DropDownList::keyPressEvent(QKeyEvent *event)
{
    // Typed letters choose here rather than in the toolkit's own search, which moves the current
    // item of the closed popup: a screen reader follows that item into the hidden popup and
    // leaves the list. Space still opens the popup.
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().isPrint() && event->key() != Qt::Key_Space
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        event->accept();
        chooseByTyping(typed);
        return;
    }
    m_typedAt.invalidate(); // after an arrow key a letter starts a new search
    QComboBox::keyPressEvent(event);
}

void DropDownList::chooseByTyping(const QString &typed)
{
    const bool goingOn
            = m_typedAt.isValid() && m_typedAt.elapsed() < QApplication::keyboardInputInterval();
    m_typed = goingOn ? m_typed + typed : typed;
    m_typedAt.start();
    // One letter, or the same letter again and again, steps to the next item starting with it;
    // more letters narrow the choice from the current item on.
    const bool oneLetter = m_typed.count(m_typed.front()) == m_typed.size();
    const QString prefix = oneLetter ? m_typed.left(1) : m_typed;
    const int from = std::max(currentIndex() + (oneLetter ? 1 : 0), 0);
    for (int i = 0; i < count(); ++i) {
        const int row = (from + i) % count();
        if (itemText(row).startsWith(prefix, Qt::CaseInsensitive)) {
            if (row != currentIndex())
                choose(row);
            return;
        }
    }
}

void DropDownList::choose(int index)
{
    // A locked list refuses a choice from any source, a keyboard or an assistive tool.
    if (!isEnabled() || index < 0 || index >= count())
        return;
    setCurrentIndex(index);
    emit activated(index);
}

void DropDownList::setText(const QString &text)
{
    setCurrentIndex(findText(text));
}

} // namespace ui
