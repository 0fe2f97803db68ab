// Form3: the print layout, a window that is never shown. It holds the
// readings already cut into print lines (a lone CR between lines) and the
// print font's name. It is created by the first write to it and unloaded
// when the result window closes.
#pragma once

#include <QWidget>

class QLabel;

namespace morvane {

class Form3 : public QWidget
{
    Q_OBJECT

public:
    // The one print layout, created hidden if it does not exist yet.
    static Form3 &instance();
    // Whether it exists at the moment; for the result window and tests.
    static bool loaded();
    // Discards it and everything it holds.
    static void unload();

    // The font family PrintPro asks for, as asked: the printer resolves it
    // the same way the screen does.
    QString printFontName() const;

    QLabel *PrintEveryYNow = nullptr;
    QLabel *PrintPro = nullptr;
    QLabel *PrintEveryYNext = nullptr;

private:
    Form3();
    ~Form3() override;
};

}  // namespace morvane
