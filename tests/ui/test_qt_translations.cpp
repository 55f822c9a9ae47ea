// Qt's own texts in Polish: the context menu of every edit field, the file dialogs
// and the standard buttons.
#include "ui/QtTranslations.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

using namespace zort;

namespace {

QStringList actionTexts(const QMenu& menu) {
    QStringList out;
    for (const QAction* a : menu.actions())
        if (!a->isSeparator()) out << a->text().section(QLatin1Char('\t'), 0, 0);
    return out;
}

QStringList buttonTexts(const QWidget& w) {
    QStringList out;
    for (const QPushButton* b : w.findChildren<QPushButton*>()) out << b->text();
    return out;
}

} // namespace

TEST(QtTranslations, EditMenusFileDialogsAndButtonsArePolish) {
    ASSERT_TRUE(installQtTranslations());
    EXPECT_TRUE(installQtTranslations()) << "a second call keeps the one installed";

    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    EXPECT_EQ(actionTexts(*menu), (QStringList{"&Cofnij", "&Przywróć", "W&ytnij", "S&kopiuj", "&Wklej", "Usuń",
                                               "Zaznacz wszystko"}));

    QFileDialog save(nullptr, QStringLiteral("Zapisz"));
    save.setOption(QFileDialog::DontUseNativeDialog);
    save.setAcceptMode(QFileDialog::AcceptSave);
    EXPECT_TRUE(buttonTexts(save).contains(QStringLiteral("&Zachowaj")));
    EXPECT_TRUE(buttonTexts(save).contains(QStringLiteral("Anuluj")));
    EXPECT_EQ(save.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text(), QStringLiteral("Szukaj w:"));
    EXPECT_EQ(save.findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text(), QStringLiteral("Nazwa &pliku:"));

    QFileDialog open(nullptr, QStringLiteral("Otwórz"));
    open.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_TRUE(buttonTexts(open).contains(QStringLiteral("&Otwórz")));

    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttonTexts(box).size(), 3);
    for (const char* text : {"&Tak", "&Nie", "Anuluj"})
        EXPECT_TRUE(buttonTexts(box).contains(QString::fromUtf8(text))) << text;
}
