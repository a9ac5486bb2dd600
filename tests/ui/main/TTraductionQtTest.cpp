#include "TTraductionQt.h"

#include "ApplicationTest.h"

#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tavelor {
namespace {

TEST(TTraductionQt, StandardDialogsSpeakFrench)
{
    test::Application();
    {
        const TTraductionQt traduction;
        ASSERT_TRUE(traduction.Installee()) << "Qt's French translation (qt6-translations-l10n) is missing";
        QMessageBox boite(QMessageBox::Question, QStringLiteral("Tavelor"), QStringLiteral("?"),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(boite.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), "Oui");
        EXPECT_EQ(boite.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), "Annuler");
    }
    // Removed with the object: the application speaks English again.
    QMessageBox boite(QMessageBox::Question, QStringLiteral("Tavelor"), QStringLiteral("?"), QMessageBox::Cancel);
    EXPECT_EQ(boite.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), "Cancel");
}

} // namespace
} // namespace tavelor
