// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// A Platform for tests: records every message, beep, pointer move and
// clipboard write, and answers dialogs from queues instead of blocking.
#include "ui/platform.h"

#include <deque>
#include <functional>
#include <vector>

namespace zelvo::testing {

struct RecordingPlatform {
    std::vector<MessageRequest> messages;
    int beeps = 0;
    std::vector<QPoint> cursorMoves;
    QString clipboardText;
    QImage clipboardImage;
    std::vector<QString> helpTopics;
    std::vector<FileDialogRequest> fileDialogs;

    std::deque<MessageAnswer> answers;  // default Ok (or Yes for YesNoCancel)
    std::deque<QString> fileNames;      // default: cancelled
    std::deque<std::optional<QColor>> colours;
    // Each printer set-up runs the next step on the printer (default: cancelled).
    std::deque<std::function<bool(QPrinter&)>> printerSetups;
    int printerSetupCalls = 0;

    Platform platform()
    {
        Platform p;
        p.messageBox = [this](const MessageRequest& r) {
            messages.push_back(r);
            if (!answers.empty()) {
                const MessageAnswer a = answers.front();
                answers.pop_front();
                return a;
            }
            return r.buttons == MessageButtons::YesNoCancel ? MessageAnswer::Yes
                                                            : MessageAnswer::Ok;
        };
        p.beep = [this] { ++beeps; };
        auto file = [this](const FileDialogRequest& r) {
            fileDialogs.push_back(r);
            if (fileNames.empty())
                return QString();
            QString f = fileNames.front();
            fileNames.pop_front();
            return f;
        };
        p.openFileName = file;
        p.saveFileName = file;
        p.chooseColour = [this](QWidget*, QColor) -> std::optional<QColor> {
            if (colours.empty())
                return std::nullopt;
            auto c = colours.front();
            colours.pop_front();
            return c;
        };
        p.moveCursor = [this](QPoint pt) { cursorMoves.push_back(pt); };
        p.setClipboardText = [this](const QString& t) { clipboardText = t; };
        p.setClipboardImage = [this](const QImage& i) { clipboardImage = i; };
        p.showHelp = [this](const QString& k) { helpTopics.push_back(k); };
        p.printerSetup = [this](QWidget*, QPrinter& printer) {
            ++printerSetupCalls;
            if (printerSetups.empty())
                return false;
            auto step = std::move(printerSetups.front());
            printerSetups.pop_front();
            return step(printer);
        };
        return p;
    }

    QString lastMessage() const { return messages.empty() ? QString() : messages.back().text; }
};

} // namespace zelvo::testing
