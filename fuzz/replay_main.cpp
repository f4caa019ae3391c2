// Runs a fuzz target without libFuzzer: every file of the corpus folder given as argument,
// then a fixed batch of pseudo-random inputs of all lengths up to 512 bytes.
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[])
{
    int inputs = 0;
    if (argc > 1) {
        const QDir corpus(QString::fromLocal8Bit(argv[1]));
        for (const QString& name : corpus.entryList(QDir::Files)) {
            QFile file(corpus.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
            ++inputs;
        }
    }
    QRandomGenerator random(1234);
    for (int i = 0; i < 20000; ++i) {
        QByteArray bytes(int(random.bounded(513)), '\0');
        for (char& b : bytes)
            b = char(random.bounded(256));
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
        ++inputs;
    }
    std::printf("%d inputs run\n", inputs);
    return 0;
}
