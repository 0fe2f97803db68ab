// Form4: the About window. It keeps Form1 disabled, and open, while it is
// open, and a click anywhere on it closes it.
#pragma once

#include <QDialog>

class QMouseEvent;

class QGroupBox;
class QLabel;

namespace morvane {

class Form4 : public QDialog
{
    Q_OBJECT

public:
    // Loads a fresh About window and shows it centred, without modality. The
    // owner (the input window) takes no input while it is open.
    static Form4 *open(QWidget &owner);

    // The label texts as the program writes them: every line ends with LF CR.
    static QString label2Text();
    static QString label3Text();
    static QString label4Text();

    void Form_Click();

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void done(int result) override;

private:
    explicit Form4(QWidget &owner);
    void Form_Load();

    QWidget &owner_;
};

}  // namespace morvane
