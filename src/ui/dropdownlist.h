// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/design.h"

#include <QComboBox>
#include <QElapsedTimer>

namespace ui {

// A choose-only list; Text is "" until the user chooses. Writing Text tells of no choice.
class DropDownList : public QComboBox
{
    Q_OBJECT
public:
    DropDownList(const ControlDef &def, QWidget *parent);

    QString text() const { return currentText(); }
    void setText(const QString &text);
    // The item at index chosen as the user chooses one: it becomes current, then chosen. Nothing
    // while the list is locked.
    void choose(int index);

signals:
    // The user chose the item that stands for data.
    void chosen(int data);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void chooseByTyping(const QString &typed);

    QString m_typed;
    QElapsedTimer m_typedAt;
};

} // namespace ui
