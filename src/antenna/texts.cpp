// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "antenna/texts.h"

#include "antenna/calc.h"
#include "antenna/numtext.h"
#include "release.h"

#include <QDateTime>

namespace wendra {
namespace {

QString credits()
{
    return QStringLiteral(
        "\n"
        "Wendra 天线计算器是 Zelvo 项目的一部分，\n"
        "由 Zelvo 项目组编写，免费提供给无线电爱好者使用。\n"
        "版权所有 (C) Zelvo 项目组。计算结果仅供参考，\n"
        "制作时请以实际测量和调整为准。");
}

} // namespace

QString mainTitle()
{
    return QStringLiteral("天线计算器（v0.2测试版）—— Wendra，Zelvo 项目组");
}

QString messageTitle() { return QStringLiteral("天线计算器"); }

QString yagiNotes()
{
    return QStringLiteral(
               "八木天线各单元的中点处于感应电压的零点，\n"
               "因此各单元不必与横梁绝缘，可直接固定在横梁上。\n"
               "U/V段以垂直天线为主，八木天线的单元\n"
               "应垂直于地面架设。\n"
               "增益：\n"
               "三单元八木约6-8dB;\n"
               "四单元八木约7-10dB;\n"
               "五单元八木约9-11dB;\n"
               "九单元八木约13-15dB;\n")
        + credits();
}

QString jNotes()
{
    return QStringLiteral(
               "1．A段为主辐射体，应使用直径14-28mm的\n"
               "铝管或铜管；\n"
               "2．B段和D段使用直径8mm的管子（如使用\n"
               "U型接头，所有管子可以使用相同直径）；\n"
               "3．C为馈电点的参考位置，电缆芯线接长边，\n"
               "屏蔽层接短边（否则增益为0，与1/4波长\n"
               "垂直天线相同）；馈电点的位置决定阻抗和\n"
               "中心频率，应使用驻波表调整；\n"
               "4．J型天线是垂直接地天线，下部安装段不\n"
               "影响天线参数，可以直接固定在接地良好的\n"
               "铁杆上，能起到防雷作用；增益约3-4.5dB，\n"
               "阻抗50欧姆。\n"
               "祝您制作成功！\n")
        + credits();
}

QString dipoleNotes()
{
    return QStringLiteral(
               "1．每臂分为三段，各段之间用可拆开的接头\n"
               "连接；只接第一段工作于最高的波段，接上\n"
               "第二段、第三段依次工作于两倍、三倍波长\n"
               "的波段；\n"
               "2．两臂之间的夹角取60-120度；\n"
               "3．在“米波”框中输入波段后按“逆 算”，\n"
               "或输入频率后按“计  算”；\n"
               "4．长度为自馈电点量起，架设后应使用驻波表\n"
               "微调各段长度。\n")
        + credits();
}

QString aboutStatement()
{
    // The licence's name and address stay as they are: they are what a
    // reader looks up.
    return QStringLiteral("本程序为 Wendra 天线计算器，是 Zelvo 项目的一部分，\n"
                          "可计算八木天线、J型天线和三波段单臂振子的尺寸。\n"
                          "版本：") +
           QString::fromLatin1(zelvo::release::version) +
           QStringLiteral("\n"
                          "本程序免费提供给无线电爱好者学习和使用，\n"
                          "计算结果仅供参考，作者不对因使用本程序造成的\n"
                          "任何损失负责。\n"
                          "\n"
                          "版权所有 (C) 2026 The Zelvo developers\n"
                          "许可证：GNU General Public License\n"
                          "第 3 版或更新版本（") +
           QString::fromLatin1(zelvo::release::licence) +
           QStringLiteral("）。\n"
                          "本程序不提供任何担保。本程序是自由软件，\n"
                          "欢迎您在一定条件下重新发布；详情请参阅\n") +
           QString::fromLatin1(zelvo::release::licenceUrl) +
           QStringLiteral("\n"
                          "\n"
                          "联系方式：\n"
                          "项目主页：") +
           QString::fromLatin1(kProjectUrl) + QStringLiteral("\n电子邮件：wendra@zelvo.example");
}

QString browserFailed(const QString& url)
{
    return QStringLiteral("无法启动网页浏览器，请手动访问：\n") + url;
}

QString inputErrorText()
{
    return QString::fromUtf8(kInputError.data(), static_cast<qsizetype>(kInputError.size()));
}

QString refusalText(const QString& typed, std::string_view rangeError)
{
    if (!wholeNumber(typed.toStdString()))
        return inputErrorText();
    return QString::fromUtf8(rangeError.data(), static_cast<qsizetype>(rangeError.size()));
}

QString dateTimeLine(const QDateTime& now)
{
    // A Chinese date whatever the system's language: numbers only, no month
    // names that the locale would spell in English.
    return QStringLiteral("日期：") + now.date().toString(QStringLiteral("yyyy年M月d日"))
        + QStringLiteral("       现在时间：") + now.time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace wendra
