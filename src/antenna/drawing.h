// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// A fixed drawing on white with value labels pinned beside its parts: a label
// keeps the chosen edge at its anchor whatever its caption's width.
#include <QHash>
#include <QLabel>
#include <QWidget>

namespace wendra {

class Drawing : public QWidget {
    Q_OBJECT
public:
    explicit Drawing(QSize size, QWidget* parent = nullptr);

    // A label named `name` showing `text`; `align` says which of its edges
    // (and vertical position) sits at `anchor`.
    QLabel* addLabel(const QString& name, const QString& text, QPoint anchor, Qt::Alignment align);
    // Sets a pinned label's caption and re-pins it; false for unknown names.
    bool setCaption(const QString& name, const QString& text);
    QString caption(const QString& name) const;

    QSize sizeHint() const override { return size_; }
    QSize minimumSizeHint() const override { return size_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    virtual void paintDrawing(QPainter& p) = 0;

    // Helpers for the subclasses' pictures.
    static void drawText(QPainter& p, QPoint anchor, Qt::Alignment align, const QString& text);
    static void dimensionLine(QPainter& p, QPointF a, QPointF b);

private:
    struct Pin {
        QPoint anchor;
        Qt::Alignment align;
    };
    void place(QLabel* label, const Pin& pin);

    QSize size_;
    QHash<QString, QLabel*> labels_;
    QHash<QLabel*, Pin> pins_;
};

} // namespace wendra
