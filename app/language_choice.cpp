// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language_choice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace vorantis {

const Language& systemLanguage()
{
    // LANGUAGE counts only where the locale is not C: gettext's own rule.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray locale = qgetenv(variable);
        if (locale.isEmpty())
            continue;
        if (locale == "C" || locale.startsWith("C.") || locale == "POSIX")
            return languages().front();
        const QByteArray list = qgetenv("LANGUAGE");
        return languageFor((list.isEmpty() ? locale : list + ":" + locale).toStdString());
    }
    return languageFor(qgetenv("LANGUAGE").toStdString());
}

void speak(const Language& language)
{
    useLanguage(language);
    // The window's language is the application's locale, which Qt tells assistive technology.
    QLocale::setDefault(QLocale(QString::fromUtf8(language.code.data(), qsizetype(language.code.size()))));
    if (!QCoreApplication::instance())
        return; // Qt's own texts wait for the application
    // One translator for Qt's own texts, replaced at each change; none for English.
    static std::unique_ptr<QTranslator> qtTexts;
    if (qtTexts)
        QCoreApplication::removeTranslator(qtTexts.get());
    qtTexts = std::make_unique<QTranslator>();
    const QString code = QString::fromUtf8(language.code.data(), qsizetype(language.code.size()));
    if (code != "en" && qtTexts->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts.get());
}

} // namespace vorantis
