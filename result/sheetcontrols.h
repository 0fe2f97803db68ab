// The controls the result window lays over its parchment: one-line heading
// labels, the two command labels, the reading box, and how they are made.
#pragma once

#include "design.h"

#include <QLabel>
#include <QPlainTextEdit>

class QAccessibleInterface;

namespace morvane {

// A one-line label that never wraps: text too wide for it is cut short with
// an ellipsis on screen while text() keeps every character.
class LineLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// "พิมพ์" and "ปิด": labels that act as commands. Assistive technology
// sees each as a button it can press; neither takes the keyboard focus.
class CommandLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    // Pressed through assistive technology.
    void pressed();
};

// The reading box. text() is the reading as composed, with CR LF between
// lines; the box shows each CR LF as one line break and wraps Thai at word
// boundaries.
class ReadingBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;
    QString text() const { return text_; }
    void setText(const QString &text);

private:
    QString text_;
};

// What assistive technology sees of a command label: a button named by its
// text, with a press action.
QAccessibleInterface *accessibleCommand(CommandLabel *label);

// Sets a control's paper and text colours (text left alone when invalid).
void setColours(QWidget *w, const QColor &back, const QColor &text);
void setTextColour(QWidget *w, const QColor &text);

// A centred plain-text label at its place in twips, in its face, both
// drawn at `scale`, with its tooltip and mouse tracking for hover and drag.
template <typename Label>
Label *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry, const QColor &colour,
                 const design::Face &face, const QString &tip, qreal scale);

}  // namespace morvane
