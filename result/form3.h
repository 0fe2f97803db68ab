// Form3: the print layout, a window that is never shown. It holds the
// readings already cut into print lines (a lone CR between lines), as the
// prediction has them. It is created by the first write to it and unloaded
// when the result window closes.
#pragma once

#include <QWidget>

class QLabel;

namespace morvane {

struct ProphesyTexts;

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

    // Its three labels take the prediction's print captions.
    void fill(const ProphesyTexts &texts);

    QLabel *PrintEveryYNow = nullptr;
    QLabel *PrintPro = nullptr;
    QLabel *PrintEveryYNext = nullptr;

private:
    Form3();
    ~Form3() override;
};

}  // namespace morvane
