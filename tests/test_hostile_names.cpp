// Names that users and peers choose are shown as text wherever they appear: markup is never
// read (an image tag would make the program read a local file), and nothing is lost.
#include "app/widgets/mainwindow.h"
#include "app/widgets/messageboxdialog.h"
#include "app/widgets/navbar.h"
#include "app/widgets/titlelabel.h"
#include "datasets/datasetstore.h"
#include "datasets/devices/transferserver.h"
#include "datasets/widgets/datasetviewer.h"
#include "datasets/widgets/datasetwidget.h"
#include "datasets/widgets/deleteddatasetsdialog.h"
#include "datasets/widgets/editwidget.h"
#include "datasets/widgets/tiletext.h"
#include "datasets/widgets/transferdialogs.h"
#include "testenvironment.h"
#include "transferpeer.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace TransferTest;

namespace {
// Notices a reader of the FIFO: opening it for writing without blocking succeeds only while
// someone has it open for reading. The watch closes at once, so such a reader sees the end
// of the file and the test fails instead of hanging.
class FifoWatch
{
public:
    explicit FifoWatch(const QString& fifoPath) : path(fifoPath.toLocal8Bit())
    {
        QVERIFY(::mkfifo(path.constData(), 0600) == 0);
        watcher = std::thread([this] {
            while (!stopping) {
                const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    opened = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    ~FifoWatch()
    {
        stopping = true;
        watcher.join();
    }
    bool wasOpened() const { return opened; }

private:
    const QByteArray path;
    std::atomic<bool> stopping{false};
    std::atomic<bool> opened{false};
    std::thread watcher;
};

// Every box through the program's real dialog; each one's text and format noted, then the
// box answered with Yes or its first button.
class RealBoxes
{
public:
    struct Shown
    {
        QString text;
        Qt::TextFormat format;
    };

    RealBoxes()
    {
        previous = MessageBox::setHandler([this](const MessageBox::Request& request) {
            QTimer::singleShot(0, [this] { answer(); });
            return execMessageBoxDialog(request);
        });
    }
    ~RealBoxes() { MessageBox::setHandler(previous); }
    QList<Shown> shown;

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown.append({box->text(), box->textFormat()});
        QAbstractButton* yes = box->button(QMessageBox::Yes);
        (yes ? yes : box->buttons().first())->click();
    }

    MessageBox::Handler previous;
};

QStringList hostileNames(const QString& fifo)
{
    return {QStringLiteral("<img src=\"file://%1\">").arg(fifo),
            "<b>bold</b> <font size=50>big</font>",
            QString(10000, QLatin1Char('W')),
            QString::fromUtf8("\u202Eexe.txt"),
            "first\nsecond\r\nthird"};
}

// Receives dataset `id` of `folder` through the receive dialog, from a sender on loopback.
void receive(const QString& id, const QString& folder)
{
    TransferServer sender(id, folder);
    Settings::transferPort.write(0);
    QVERIFY(sender.listen(QHostAddress::LocalHost));
    Settings::transferPort.write(int(sender.port()));
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TransferReceiveDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->addressEdit()->setText("127.0.0.1");
        dialog->searchButton()->click();
    });
    QVERIFY(runTransferClient(nullptr));
}

const DatasetWidget* tileNamed(const DatasetViewer& library, const QString& name)
{
    for (const DatasetWidget* tile : library.tiles())
        if (tile->record().name == name)
            return tile;
    return nullptr;
}
} // namespace

class HostileNamesTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(TestSupport::resetSettingsAndDocuments());
    }

    void namesAreShownAsTheyAreEverywhere()
    {
        QTemporaryDir scratch;
        const QString fifo = scratch.filePath("a-fifo");
        FifoWatch watch(fifo);
        const QStringList names = hostileNames(fifo);
        RealBoxes boxes;

        // Received from a peer: the box names each literally.
        QTemporaryDir sending;
        for (const QString& name : names) {
            const QString id = storeDataset(name);
            moveDataset(id, sending.path());
            receive(id, sending.path());
            QCOMPARE(boxes.shown.last().text, "Dataset Received: " + name);
        }

        MainWindow window;
        window.resize(800, 1280);
        window.show();
        libraryDirty = true;
        window.setViewState();
        DatasetViewer& library = *window.datasetLibrary();
        QCOMPARE(int(library.tiles().size()), names.size());
        for (const QString& name : names) {
            const DatasetWidget* tile = tileNamed(library, name);
            QVERIFY(tile);
            QCOMPARE(tile->findChildren<TileText*>().at(0)->text(), name);
            const QString id = tile->record().identifier;

            DatasetRecord record = tile->record();
            EditWidget edit(&record);
            QCOMPARE(edit.findChildren<QLineEdit*>().at(0)->text(), name);

            // Exported: the box quotes the export's path.
            library.zipDataset(id, name);
            QVERIFY(boxes.shown.last().text.contains(".zip"));

            // The 3D view's title: the whole name, on at most two lines that never widen the window.
            window.setVisualizationState(id, 170);
            QCOMPARE(window.navigationBar()->title(), name);
            const auto* title = window.navigationBar()->findChild<TitleLabel*>();
            QCOMPARE(title->textFormat(), Qt::PlainText);
            QVERIFY(title->shownText().size() <= name.size() + 1);
            QVERIFY(title->shownText().count('\n') <= 1);
            QVERIFY(window.minimumSizeHint().width() <= 800);
            window.setViewState();
            QVERIFY(DatasetStore().moveToTrash(id));
        }

        DeletedDatasetsDialog trash;
        QCOMPARE(trash.entryList()->count(), names.size());
        QStringList listed;
        for (int i = 0; i < trash.entryList()->count(); ++i)
            listed.append(trash.entryList()->item(i)->text());
        for (const QString& name : names)
            QVERIFY(std::any_of(listed.begin(), listed.end(),
                                [&](const QString& text) { return text.startsWith(name + '\n'); }));

        QVERIFY(!watch.wasOpened());
        for (const RealBoxes::Shown& box : boxes.shown)
            QCOMPARE(box.format, Qt::PlainText);
    }

    // A name that is not UTF-8 is listed with its broken bytes replaced, shown as text.
    void nameThatIsNotUtf8()
    {
        storeDataset("Fine");
        const QString damaged = storeDataset("Damaged");
        QFile metadata(documentsFolder() + damaged + ".xml");
        QVERIFY(metadata.open(QIODevice::ReadOnly));
        QByteArray bytes = metadata.readAll();
        metadata.close();
        bytes.replace("\"Damaged\"", "\"D\xff\xfe\xc3(d\"");
        QVERIFY(metadata.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(metadata.write(bytes), qint64(bytes.size()));
        metadata.close();

        TestSupport::MessageBoxSpy boxes;
        DatasetViewer library;
        libraryDirty = true;
        library.reloadDatasets();
        const QString decoded = QString::fromUtf8("D\xff\xfe\xc3(d");
        QVERIFY(decoded.contains(QChar::ReplacementCharacter));
        const DatasetWidget* tile = tileNamed(library, decoded);
        QVERIFY(tile);
        QCOMPARE(tile->findChildren<TileText*>().at(0)->text(), decoded);
        QVERIFY(tileNamed(library, "Fine"));
        QVERIFY(boxes.requests().isEmpty());
    }
};

SORVANEL_TEST_MAIN(HostileNamesTest)
#include "test_hostile_names.moc"
