// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// The floor for any Qt Widgets program here: one empty window, nothing else.
// With the argument "text" the window is one label, the floor for a window that shows text.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>
#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (argc > 1 && std::strcmp(argv[1], "text") == 0)
        window = std::make_unique<QLabel>(QStringLiteral("have fun with resistors :-)"));
    else
        window = std::make_unique<QWidget>();
    window->resize(492, 283);
    window->show();
    return QApplication::exec();
}
