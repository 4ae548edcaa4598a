// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/notes_box.h"

#include <QScrollBar>
#include <QTextDocument>

namespace wendra {

QPlainTextEdit* notesBox(const QString& name, const QString& text, QWidget* parent)
{
    auto* box = new QPlainTextEdit(text, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Laid out as a rich-text document so that the CJK fallback font's
    // taller lines count too; the whole text shows without scrolling.
    QTextDocument doc;
    doc.setDefaultFont(box->font());
    doc.setPlainText(text);
    const QSize size = doc.size().toSize();
    const int frame = 2 * box->frameWidth();
    box->setMinimumSize(size.width() + frame + box->verticalScrollBar()->sizeHint().width(),
                        size.height() + frame + 8);
    return box;
}

} // namespace wendra
