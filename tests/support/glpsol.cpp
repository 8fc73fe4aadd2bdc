// SPDX-License-Identifier: MIT
#include "glpsol.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

bool GlpsolInstalled()
{
#ifdef VARNOOK_GLPSOL
    return true;
#else
    return false;
#endif
}

void VerifyGlpsolOptimum(const std::string &lp, double objective)
{
#ifndef VARNOOK_GLPSOL
    Q_UNUSED(lp)
    Q_UNUSED(objective)
    QFAIL("glpsol is not installed");
#else
    QTemporaryDir dir;
    const QString lpFile = dir.filePath(QStringLiteral("model.lp"));
    const QString out = dir.filePath(QStringLiteral("model.txt"));
    std::ofstream(lpFile.toStdString()) << lp;
    QProcess glpsol;
    glpsol.start(QStringLiteral(VARNOOK_GLPSOL), {QStringLiteral("--lp"), lpFile, QStringLiteral("-o"), out});
    QVERIFY(glpsol.waitForFinished(60000));
    QCOMPARE(glpsol.exitCode(), 0);
    QFile report(out);
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(report.readAll());
    QVERIFY2(text.contains(QStringLiteral("INTEGER OPTIMAL")), qPrintable(text.left(400)));
    const QString expected = QStringLiteral("cost = %1 (MINimum)").arg(objective);
    QVERIFY2(text.contains(expected), qPrintable(expected + QLatin1Char('\n') + text.left(400)));
#endif
}
