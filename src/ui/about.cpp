// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/about.h"

#include "ui/dialogs/dialog_support.h"
#include "ui/icons.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvo {

QString versionText()
{
    return QStringLiteral("V ") + fixed(zelvoVersion, 2);
}

QString licenceNotice()
{
    return QString::fromLatin1(release::copyright) +
           QCoreApplication::translate(
               "About", "\nLicence: GNU General Public License, version 3 or later (") +
           QString::fromLatin1(release::licence) +
           QCoreApplication::translate(
               "About", ").\n"
                        "This program comes with ABSOLUTELY NO WARRANTY.\n"
                        "This is free software, and you are welcome to redistribute it\n"
                        "under certain conditions; see the licence for details:\n") +
           QString::fromLatin1(release::licenceUrl);
}

std::optional<unsigned long long> availableMemoryKBytes(const QString& meminfoPath)
{
    QFile file(meminfoPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // /proc files report a size of 0: atEnd() would be true at once, but
    // readAll() reads on to the real end.
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QByteArray line = raw.simplified();
        if (!line.startsWith("MemAvailable:"))
            continue;
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() < 2)
            return std::nullopt;
        bool ok = false;
        const unsigned long long value = parts[1].toULongLong(&ok);
        if (!ok)
            return std::nullopt;
        // The kernel writes "kB" (1024 bytes); a bare number would be bytes.
        if (parts.size() >= 3 && parts[2].compare("kB", Qt::CaseInsensitive) == 0)
            return value;
        return value / 1024;
    }
    return std::nullopt;
}

QString memoryStatusText(std::optional<unsigned long long> kBytes)
{
    if (!kBytes)
        return QCoreApplication::translate("About", "Free memory:    unknown");
    return QCoreApplication::translate("About", "Free memory:    %1 kBytes").arg(*kBytes);
}

namespace {

class Emblem : public QWidget {
  public:
    explicit Emblem(QWidget* parent) : QWidget(parent) { setFixedSize(96, 96); }

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        paintChartEmblem(p, QRectF(rect()).adjusted(2, 2, -2, -2));
    }
};

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QCoreApplication::translate("About", "About Zelvo"));
    setWindowIcon(programIcon());

    auto* name = new QLabel(QCoreApplication::translate("About", "Zelvo"), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    name->setFont(big);

    auto* version = new QLabel(versionText(), this);
    version->setObjectName(QStringLiteral("version"));
    auto* about =
        new QLabel(QCoreApplication::translate(
                       "About", "Matching networks designed on the impedance chart:\n"
                                "data points, series and shunt elements, lines and stubs,\n"
                                "Q and VSWR contours, wideband evaluation.\n\n"
                                "S-Plot mode for measured two-port data:\n"
                                "S-parameter plots, stability, gain and noise circles."),
                   this);
    auto* licence = new QLabel(licenceNotice(), this);
    licence->setObjectName(QStringLiteral("licence"));
    // So that the address of the licence can be copied.
    licence->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* memory = new QLabel(memoryStatusText(availableMemoryKBytes()), this);
    memory->setObjectName(QStringLiteral("memory"));
    memory->setFrameShape(QFrame::StyledPanel);
    memory->setMargin(3);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addSpacing(8);
    text->addWidget(about);
    text->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(new Emblem(this), 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(licence);
    layout->addSpacing(8);
    layout->addWidget(memory);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

} // namespace zelvo
