// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// The thin seam between Zelvo and the desktop: message boxes (with the beep
// rule), file dialogs, the colour chooser, pointer moves, the clipboard and
// help. The program uses realPlatform(); tests install recording functions so
// that nothing modal ever blocks them.
#include "model/dialog_message.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

class QMessageBox;
class QPrinter;
class QWidget;

namespace zelvo {

// MessageIcon and MessageButtons are the model's (model/dialog_message.h), so
// that a DialogMessage from domain code is shown as it is.
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QWidget* parent = nullptr;
    QString text;  // "\n\r" and "\r\n" already turned into line breaks
    QString title; // empty, or e.g. "ERROR"
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

struct FileDialogRequest {
    QWidget* parent = nullptr;
    QString title;
    QStringList filters;  // "Zelvo-Chart-Files (*.ZVC)", "All Files (*)"
    QString defaultSuffix; // save dialogs only
    QString directory;     // start folder or previous path
};

struct Platform {
    std::function<MessageAnswer(const MessageRequest&)> messageBox;
    std::function<void()> beep;
    // Empty result: cancelled.
    std::function<QString(const FileDialogRequest&)> openFileName;
    std::function<QString(const FileDialogRequest&)> saveFileName;
    std::function<std::optional<QColor>(QWidget* parent, QColor initial)> chooseColour;
    // Global screen position.
    std::function<void(QPoint)> moveCursor;
    std::function<void(const QString&)> setClipboardText;
    std::function<void(const QImage&)> setClipboardImage;
    // The print system's printer dialog on the run's printer (printer, paper,
    // orientation, or a PDF file); false when cancelled.
    std::function<bool(QWidget* parent, QPrinter& printer)> printerSetup;
    // Empty keyword: the contents page.
    std::function<void(const QString& keyword)> showHelp;
};

// The real desktop implementation (Qt message boxes, QFileDialog, QColorDialog,
// QCursor::setPos, QClipboard). showHelp is left empty for the help window to fill.
Platform realPlatform();

// Shows a message; when `beepFirst` (an error report with the beep option on)
// the default beep sounds before it.
MessageAnswer showMessage(const Platform& platform, bool beepFirst, const MessageRequest& request);

// Windows-style line breaks of the message texts ("\n\r", "\r\n") as plain "\n".
QString messageText(const QString& text);

// The real message box for a request: title, text, icon, buttons, and a
// width that breaks lines only where the text does.
void prepareMessageBox(QMessageBox& box, const MessageRequest& request);

} // namespace zelvo
