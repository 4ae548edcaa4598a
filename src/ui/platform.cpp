// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/platform.h"

#include "ui/language.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCursor>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>
#include <QPrintDialog>

namespace zelvo {

QString messageText(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

void prepareMessageBox(QMessageBox& box, const MessageRequest& r)
{
    box.setWindowTitle(r.title.isEmpty() ? QStringLiteral(" ") : r.title);
    box.setText(messageText(r.text));
    // The box wraps text at about 500 pixels, so a line a little longer left
    // one word on a line of its own before the text's own break ("power" /
    // "gain" / "of Gmax"): the label gets the width of its longest line, up
    // to most of the screen.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        const QFontMetrics metrics(label->font());
        int widest = 0;
        for (const QString& line : box.text().split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
        const int room = screen ? screen->availableGeometry().width() * 3 / 4 : 800;
        label->setMinimumWidth(std::min(widest + 2, room));
    }
    switch (r.icon) {
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (r.buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
}

namespace {

MessageAnswer execMessageBox(const MessageRequest& r)
{
    QMessageBox box(r.parent);
    prepareMessageBox(box, r);
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
    }
}

QString fileDialog(const FileDialogRequest& r, bool save)
{
    QFileDialog dialog(r.parent, r.title, r.directory);
    dialog.setNameFilters(r.filters);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && !r.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(r.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

MessageAnswer showMessage(const Platform& platform, bool beepFirst, const MessageRequest& request)
{
    if (beepFirst && platform.beep)
        platform.beep();
    MessageRequest r = request;
    r.text = messageText(translatedMessage(r.text));
    r.title = translatedMessage(r.title);
    return platform.messageBox ? platform.messageBox(r) : MessageAnswer::Ok;
}

Platform realPlatform()
{
    Platform p;
    p.messageBox = execMessageBox;
    p.beep = [] { QApplication::beep(); };
    p.openFileName = [](const FileDialogRequest& r) { return fileDialog(r, false); };
    p.saveFileName = [](const FileDialogRequest& r) { return fileDialog(r, true); };
    p.chooseColour = [](QWidget* parent, QColor initial) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(initial, parent);
        if (!c.isValid())
            return std::nullopt;
        return c;
    };
    p.moveCursor = [](QPoint global) { QCursor::setPos(global); };
    p.setClipboardText = [](const QString& text) {
        QGuiApplication::clipboard()->setText(text);
    };
    p.setClipboardImage = [](const QImage& image) {
        QGuiApplication::clipboard()->setImage(image);
    };
    p.printerSetup = [](QWidget* parent, QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QCoreApplication::translate("Platform", "Printer setup"));
        // Only the printer and its page: the pages printed are chosen in "PRINT".
        dialog.setOptions(QAbstractPrintDialog::PrintToFile);
        return dialog.exec() == QDialog::Accepted;
    };
    return p;
}

} // namespace zelvo
