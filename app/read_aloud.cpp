// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/read_aloud.h"

#include "app/qt_text.h"
#include "language/language.h"
#include "layout/texts.h"
#include "working/speech.h"

#include <QTextToSpeech>
#include <QTimer>

namespace vorantis {
namespace {

QLocale localeOf(const Language& language) { return QLocale(toQString(language.code)); }

// The system's speech, on its own thread: it says a line at a time and tells when it is done.
class Voice : public QObject {
    Q_OBJECT

public:
    void start()
    {
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.isEmpty())
            return emit ready(false, {});
        // The speech dispatcher, which speaks every language of espeak-ng, else any other. A
        // dispatcher that another program is starting at the same moment may not answer yet:
        // it is asked once more, a second later.
        const QString engine = engines.contains("speechd") ? QStringLiteral("speechd") : engines.front();
        m_speech = new QTextToSpeech(engine, this);
        if (m_speech->state() == QTextToSpeech::Error) {
            delete m_speech;
            QThread::sleep(1);
            m_speech = new QTextToSpeech(engine, this);
        }
        connect(m_speech, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (m_speaking && state != QTextToSpeech::Speaking)
                emit spoken(state != QTextToSpeech::Error);
            m_speaking = state == QTextToSpeech::Speaking;
        });
        if (m_speech->state() == QTextToSpeech::Error)
            return emit ready(true, {});
        emit ready(true, m_speech->availableLocales());
    }
    void say(const QString& text, const QLocale& locale)
    {
        m_speech->setLocale(locale);
        m_speech->say(text);
    }
    void silence()
    {
        if (m_speech)
            m_speech->stop();
    }

signals:
    void ready(bool engine, const QList<QLocale>& locales);
    void spoken(bool done);

private:
    QTextToSpeech* m_speech = nullptr;
    bool m_speaking = false;
};

} // namespace

ReadAloud::ReadAloud(std::function<void(int)> reading, std::function<void()> changed, QObject* parent)
    : QObject(parent), m_reading(std::move(reading)), m_changed(std::move(changed))
{
}

void ReadAloud::prepare()
{
    if (m_thread)
        return;
    m_thread = new QThread;
    auto* voice = new Voice;
    voice->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, voice, &QObject::deleteLater);
    connect(this, &ReadAloud::say, voice, &Voice::say);
    connect(this, &ReadAloud::silence, voice, &Voice::silence);
    connect(voice, &Voice::spoken, this, &ReadAloud::spoken);
    connect(voice, &Voice::ready, this, [this](bool engine, const QList<QLocale>& locales) {
        m_asked = true;
        m_engine = engine;
        m_locales = locales;
        m_changed();
    });
    m_thread->start();
    QTimer::singleShot(0, voice, &Voice::start);
    // A system's speech that has not answered in ten seconds is said not to answer; should it
    // answer later, its voices are taken then.
    QTimer::singleShot(10000, this, [this] {
        if (m_asked)
            return;
        m_asked = m_engine = true;
        m_changed();
    });
}

ReadAloud::~ReadAloud()
{
    if (!m_thread)
        return;
    m_thread->quit();
    // A system's speech that never answers keeps its thread waiting: the window does not wait
    // with it, and the thread ends with the program.
    if (m_thread->wait(1000))
        delete m_thread;
}

bool ReadAloud::available() const { return m_locales.contains(localeOf(currentLanguage())); }

QString ReadAloud::unavailableReason() const
{
    if (!m_asked)
        return toQString(vorantis::tr("Reading aloud is getting ready"));
    if (!m_engine)
        return toQString(vorantis::tr("Reading aloud needs the system's speech, which is not installed"));
    if (m_locales.isEmpty())
        return toQString(vorantis::tr("Reading aloud needs the system's speech, which does not answer"));
    return toQString(vorantis::tr(noVoiceNote));
}

void ReadAloud::read(const working::Entry& entry)
{
    stop();
    if (!available())
        return;
    m_lines << toQString(working::spoken(entry.heading, *entry.language));
    for (const working::Step& step : entry.steps)
        m_lines << toQString(working::spoken(step, *entry.language));
    for (const auto& last : {entry.result, entry.afterword})
        if (last)
            m_lines << toQString(working::spoken(*last, *entry.language));
    if (entry.failure)
        m_lines << toQString(entry.failure->said());
    sayNext();
}

void ReadAloud::stop()
{
    m_next = 0;
    m_lines.clear();
    emit silence();
    m_reading(-1);
}

void ReadAloud::spoken(bool done)
{
    if (!done || m_next == 0)
        return stop();
    sayNext();
}

void ReadAloud::sayNext()
{
    if (m_next >= m_lines.size())
        return stop();
    m_reading(m_next);
    emit say(m_lines[m_next++], localeOf(currentLanguage()));
}

} // namespace vorantis

#include "read_aloud.moc"
