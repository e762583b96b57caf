// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// The floor for any Qt Widgets program here: one empty window, nothing else.
// With the argument "text" the window is one label, the floor for a window that shows text;
// with "seven", seven empty windows of the sizes of the menu and the six tools.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>
#include <memory>
#include <vector>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "seven") == 0) {
        static const QSize sizes[] = {{339, 266}, {356, 450}, {546, 318}, {456, 269},
                                      {307, 260}, {496, 316}, {479, 240}};
        std::vector<std::unique_ptr<QWidget>> windows;
        for (const QSize &size : sizes) {
            windows.push_back(std::make_unique<QWidget>());
            windows.back()->resize(size);
            windows.back()->show();
        }
        return QApplication::exec();
    }
    std::unique_ptr<QWidget> window;
    if (argc > 1 && std::strcmp(argv[1], "text") == 0)
        window = std::make_unique<QLabel>(QStringLiteral("have fun with resistors :-)"));
    else
        window = std::make_unique<QWidget>();
    window->resize(492, 283);
    window->show();
    return QApplication::exec();
}
