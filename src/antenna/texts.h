// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Fixed texts of the forms that are longer than a caption.
#include <QString>
#include <string_view>

class QDateTime;

namespace wendra {

// The project's own page behind the link labels.
inline constexpr char kProjectUrl[] = "https://zelvo.example/wendra";

QString mainTitle();
QString messageTitle();
QString yagiNotes();
QString jNotes();
QString dipoleNotes();
QString aboutStatement();
QString browserFailed(const QString& url);
// "你输入有误！！请重新输入！！", the answer to every refused input.
QString inputErrorText();
// The refusal of `typed`: the range message when it is a number at all,
// else the input error.
QString refusalText(const QString& typed, std::string_view rangeError);

// The date and time line: "日期：" date, seven blanks, "现在时间：" time,
// in the default locale's short date and a 24-hour time with seconds.
QString dateTimeLine(const QDateTime& now);

} // namespace wendra
