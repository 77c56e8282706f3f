// A label: one line of text on an opaque black ground, or wrapped text over a picture. Its
// caption reads back exactly as written, and a change of caption is announced inside the write.
#pragma once

#include <QLabel>

class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    enum class Sizing { Fixed, ToCaption };

    CaptionLabel(const QString &caption, const QRect &box, Sizing sizing, QWidget *parent);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // A transparent label in the given text colour, wrapping at spaces within its box.
    void makeTransparent(const QColor &textColor);

signals:
    // Emitted before setCaption() returns, only when the caption actually changed.
    void captionChanged();

private:
    void showCaption(const QString &caption);

    QString m_caption;
    Sizing m_sizing;
};
