// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "working/entry.h"

#include <QList>
#include <QLocale>
#include <QObject>
#include <QStringList>
#include <QThread>

#include <functional>

namespace vorantis {

// Reads an entry of the working aloud, step by step, in the spoken form of the language in use,
// through the system's speech (Qt's text to speech). `reading` is told which line is being read,
// from 0, and -1 when it is done, so that the line can be shown highlighted. The system's speech
// takes seconds to answer when first asked, and may not answer at all, so it is asked on a
// thread of its own, and only once there is something to read (prepare()); `changed` tells when
// what can be read aloud has changed.
class ReadAloud : public QObject {
    Q_OBJECT

public:
    ReadAloud(std::function<void(int line)> reading, std::function<void()> changed, QObject* parent);
    ~ReadAloud() override;

    // Asks the system's speech which voices it has, once; until it answers nothing can be read.
    void prepare();

    // Whether a voice of the language in use can be heard; where not, why, in its words.
    bool available() const;
    QString unavailableReason() const;

    void read(const working::Entry& entry);
    void stop();
    bool reading() const { return m_next > 0; }

signals:
    void say(const QString& text, const QLocale& locale);
    void silence();

private:
    void spoken(bool done);
    void sayNext();

    QThread* m_thread = nullptr; // asked by prepare()
    bool m_asked = false; // the system's speech has answered, with `m_locales` or none
    bool m_engine = false; // the system has speech, whether or not it answered
    QList<QLocale> m_locales;
    std::function<void(int)> m_reading;
    std::function<void()> m_changed;
    QStringList m_lines;
    int m_next = 0;
};

} // namespace vorantis
