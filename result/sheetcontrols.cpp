#include "sheetcontrols.h"

#include "fonts.h"
#include "twips.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace morvane {
namespace {

class CommandAccessible : public QAccessibleWidget
{
public:
    explicit CommandAccessible(CommandLabel *label) : QAccessibleWidget(label, QAccessible::Button) { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<CommandLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && widget()->isEnabled())
            emit static_cast<CommandLabel *>(widget())->pressed();
    }
};

}  // namespace

QAccessibleInterface *accessibleCommand(CommandLabel *label)
{
    return new CommandAccessible(label);
}

void setColours(QWidget *w, const QColor &back, const QColor &text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::Base, back);
    if (text.isValid()) {
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Text, text);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setTextColour(QWidget *w, const QColor &text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
}

template <typename Label>
Label *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry, const QColor &colour,
                 const design::Face &face, const QString &tip, qreal scale)
{
    auto *label = new Label(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(twipsRect(geometry, scale));
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);  // names are shown as typed, never as markup
    label->setFont(resolveFont(design::scaled(face, scale)));
    label->setToolTip(tip);
    label->setMouseTracking(true);
    setColours(label, design::kSheet, colour);
    return label;
}

template LineLabel *makeLabel<LineLabel>(QWidget *, const char *, const QString &, const QRect &, const QColor &,
                                         const design::Face &, const QString &, qreal);
template CommandLabel *makeLabel<CommandLabel>(QWidget *, const char *, const QString &, const QRect &, const QColor &,
                                               const design::Face &, const QString &, qreal);

void LineLabel::paintEvent(QPaintEvent *)
{
    const QRect area = contentsRect();
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, static_cast<int>(alignment()) | Qt::TextSingleLine,
                     fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
}

void ReadingBox::setText(const QString &text)
{
    text_ = text;
    // QPlainTextEdit starts a paragraph at each of CR and LF; one break each.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    setPlainText(shown);
}

}  // namespace morvane
