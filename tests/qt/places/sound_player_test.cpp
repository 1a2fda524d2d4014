// The sound player: the multimedia code is loaded with the first sound, files
// come from sound/ under the current directory, or from the content folder's
// sound/ where the current directory has none, and a missing file or a machine
// without audio output plays nothing and prints nothing.

#include <QFile>
#include <QTemporaryDir>

#include "ui/framework/sound_player.h"
#include "window_test_support.h"

namespace {

QStringList messages;

void Collect(QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; }

bool MultimediaMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

}  // namespace

class SoundPlayerTest : public QObject {
    Q_OBJECT
private slots:
    // Runs first: nothing before it has played a sound.
    void multimediaIsLoadedWithTheFirstSound()
    {
        QVERIFY(!MultimediaMapped());
        SoundPlayer player;
        QVERIFY(!SoundPlayer::IsModuleLoaded());
        player.Play(QStringLiteral("missing.wav"));
        QVERIFY(SoundPlayer::IsModuleLoaded());
        QVERIFY(MultimediaMapped());
    }

    void playsFromTheCurrentDirectoryQuietly()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sound")));
        QVERIFY(QFile::copy(QStringLiteral(TORVANE_SOUND_DIR "/buy.wav"), dir.filePath(QStringLiteral("sound/buy.wav"))));
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));

        messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(Collect);
        SoundPlayer player;
        player.Play(QStringLiteral("missing.wav"));
        QCOMPARE(player.lastPath(), QStringLiteral("sound/missing.wav"));
        QVERIFY(!player.lastStarted());
        player.Play(QStringLiteral("buy.wav"));
        QCOMPARE(player.lastPath(), QStringLiteral("sound/buy.wav"));
        // Only a machine with an audio output starts the file.
        QCOMPARE(player.lastStarted(), SoundPlayer::HasAudioOutput());
        player.Play(QStringLiteral("buy.wav"));   // replaces the one playing
        QTest::qWait(300);   // complaints of the audio backend would come by now
        qInstallMessageHandler(previous);
        QDir::setCurrent(before);
        QCOMPARE(messages, QStringList());
    }

    void playsFromTheContentFolderWhereTheCurrentOneHasNoSounds()
    {
        QTemporaryDir content;
        QTemporaryDir elsewhere;
        QVERIFY(QDir(content.path()).mkdir(QStringLiteral("sound")));
        const QString installed = content.filePath(QStringLiteral("sound/buy.wav"));
        QVERIFY(QFile::copy(QStringLiteral(TORVANE_SOUND_DIR "/buy.wav"), installed));
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));

        SoundPlayer player(content.path());
        QCOMPARE(player.Resolve(QStringLiteral("buy.wav")), installed);
        QCOMPARE(player.Resolve(QStringLiteral("dog.wav")), QString());
        player.Play(QStringLiteral("buy.wav"));
        QCOMPARE(player.lastPath(), installed);
        QCOMPARE(player.lastStarted(), SoundPlayer::HasAudioOutput());

        // A sound/ of the current directory comes first, as it always did.
        QVERIFY(QDir(elsewhere.path()).mkdir(QStringLiteral("sound")));
        QVERIFY(QFile::copy(installed, elsewhere.filePath(QStringLiteral("sound/buy.wav"))));
        QCOMPARE(player.Resolve(QStringLiteral("buy.wav")), QStringLiteral("sound/buy.wav"));
        QDir::setCurrent(before);
    }
};

TORVANE_WINDOW_TEST_MAIN(SoundPlayerTest)
#include "sound_player_test.moc"
