#include "recording/pairedwork.h"
#include "recording/waveletanalyser.h"
#include "testenvironment.h"

#include <cmath>
#include <complex>

namespace {
constexpr double pi = 3.14159265358979323846;
constexpr int scales = WaveletAnalyser::scaleCount;
const QRgb grey = 0xffc6c6c6;

std::deque<int> twoSinesAndStep(int n)
{
    std::deque<int> w;
    for (int t = 0; t < n; ++t)
        w.push_back(int(std::lround(1000 + 300 * std::sin(2 * pi * t / 7.0) + 150 * std::sin(2 * pi * t / 40.0)
                                    + (t > n / 2 ? 400 : 0))));
    return w;
}

// The power of every cell by direct sums in double precision, without an FFT library.
std::vector<std::vector<double>> directPower(const std::deque<int>& x)
{
    const int n = int(x.size());
    int p = 1;
    while (p <= n)
        p *= 2;
    const int nfft = 2 * p;
    std::vector<std::complex<double>> twiddle;
    twiddle.resize(std::size_t(nfft));
    for (int k = 0; k < nfft; ++k)
        twiddle[std::size_t(k)] = std::polar(1.0, 2 * pi * k / nfft);
    const int half = nfft / 2;
    std::vector<std::complex<double>> spectrum(std::size_t(half + 1));
    for (int m = 0; m <= half; ++m)
        for (int t = 0; t < n; ++t)
            spectrum[std::size_t(m)] += double(x[std::size_t(t)]) * std::conj(twiddle[std::size_t((m * t) % nfft)]);
    std::vector<std::vector<double>> power(std::size_t(n), std::vector<double>(scales, 0.0));
    const double dj = std::log2(double(n)) / (scales - 1);
    for (int k = 0; k < scales; ++k) {
        const double s = std::pow(2.0, k * dj);
        std::vector<std::complex<double>> filtered(std::size_t(half + 1));
        for (int m = 1; m <= half; ++m) {
            const double omega = 2 * pi * m / nfft;
            const double psi = std::pow(pi, -0.25) * std::exp(-(omega * s - 6) * (omega * s - 6) / 2)
                               * std::sqrt(2 * pi * s);
            filtered[std::size_t(m)] = spectrum[std::size_t(m)] * psi / double(nfft);
        }
        const double cone = s * std::sqrt(2.0);
        for (int t = 0; t < n; ++t) {
            if (t < cone || t > n - cone)
                continue;
            std::complex<double> sum;
            for (int m = 1; m <= half; ++m)
                sum += filtered[std::size_t(m)] * twiddle[std::size_t((m * t) % nfft)];
            power[std::size_t(t)][std::size_t(k)] = std::norm(sum);
        }
    }
    return power;
}

// Fed as the recording screen feeds it: the window grows by one sample per call.
void feed(WaveletAnalyser& analyser, const std::deque<int>& samples)
{
    std::deque<int> window;
    for (int v : samples) {
        window.push_back(v);
        analyser.analyse(window);
    }
}

// FNV-1a over the pixels: any changed pixel changes it.
quint64 pixelChecksum(const QImage& image)
{
    quint64 hash = 14695981039346656037ull;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            hash = (hash ^ line[x]) * 1099511628211ull;
    }
    return hash;
}

int blackPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == 0xff000000;
    return count;
}
} // namespace

class WaveletTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void powerMatchesDirectEvaluation_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("15") << 15;
        QTest::newRow("64") << 64;
        QTest::newRow("400") << 400;
    }

    void powerMatchesDirectEvaluation()
    {
        QFETCH(int, n);
        const std::deque<int> signal = twoSinesAndStep(n);
        WaveletAnalyser analyser;
        analyser.analyse(signal);
        analyser.analyse(signal); // the second call rebuilds
        const auto expected = directPower(signal);
        QCOMPARE(analyser.windowLength(), n);
        double largest = 0;
        for (const auto& cells : expected)
            for (double p : cells)
                largest = std::max(largest, p);
        int compared = 0;
        for (int t = 0; t < n; ++t) {
            for (int k = 0; k < scales; ++k) {
                const double want = expected[std::size_t(t)][std::size_t(k)];
                const double got = analyser.powerAt(t, k);
                if (want == 0.0)
                    QCOMPARE(got, 0.0); // outside the cone of influence
                if (want <= 1e-3 * largest)
                    continue;
                ++compared;
                QVERIFY2(std::abs(got - want) <= 1e-4 * want,
                         qPrintable(QString("t %1 scale %2: %3 vs %4").arg(t).arg(k).arg(got).arg(want)));
            }
        }
        QVERIFY(compared > n);

        // Lag-1 autocorrelation over N - 2 products.
        double mean = 0;
        for (int v : signal)
            mean += v;
        mean /= n;
        double products = 0, squares = 0;
        for (int i = 0; i < n; ++i) {
            squares += (signal[std::size_t(i)] - mean) * (signal[std::size_t(i)] - mean);
            if (i < n - 2)
                products += (signal[std::size_t(i)] - mean) * (signal[std::size_t(i + 1)] - mean);
        }
        QVERIFY(std::abs(analyser.lagOneAutocorrelation() - products / squares) < 1e-12);
        QVERIFY(analyser.significantCellCount() > 0);
        QVERIFY(analyser.significantShare() > 0.0f && analyser.significantShare() <= 1.0f);
        QCOMPARE(WaveletAnalyser::fftLength(n), n == 400 ? 1024 : n == 15 ? 32 : 256);
    }

    // The pictures of a fixed input under every colour map, pinned so that a faster rebuild
    // draws the very same pixels.
    void picturesStayTheSame_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("map");
        QTest::addColumn<quint64>("scalogram");
        QTest::addColumn<quint64>("bars");
        QTest::newRow("400 jet") << 400 << 1 << quint64(0xb7a3a87c7cb93f53ull) << quint64(0x5d93ca80eaf3ba5aull);
        QTest::newRow("400 black body") << 400 << 2 << quint64(0x7748f256cd642967ull) << quint64(0xecf90dc0b6566ec0ull);
        QTest::newRow("400 grey") << 400 << 3 << quint64(0x7f1efcbc2a10b7b1ull) << quint64(0xe233285918495c39ull);
        QTest::newRow("400 temperature") << 400 << 4 << quint64(0x51422d8a070725c2ull) << quint64(0x27bf6a578d245735ull);
        QTest::newRow("15 jet") << 15 << 1 << quint64(0xf1d5ce0797302295ull) << quint64(0xa7e59579b93683ull);
    }

    void picturesStayTheSame()
    {
        QFETCH(int, n);
        QFETCH(int, map);
        QFETCH(quint64, scalogram);
        QFETCH(quint64, bars);
        const std::deque<int> signal = twoSinesAndStep(n);
        WaveletAnalyser analyser;
        analyser.setColormap(map);
        analyser.analyse(signal);
        analyser.analyse(signal);
        QCOMPARE(pixelChecksum(analyser.scalogram()), scalogram);
        QCOMPARE(pixelChecksum(analyser.barChart()), bars);
    }

    // One analyser kept over changing window lengths (its plans, filters and per-thread buffers
    // are reused or rebuilt) draws what a fresh analyser draws.
    void reusedAnalyserDrawsLikeAFreshOne()
    {
        WaveletAnalyser kept;
        for (int n : {400, 64, 63, 400, 399, 15, 400}) {
            const std::deque<int> signal = twoSinesAndStep(n);
            WaveletAnalyser fresh;
            for (WaveletAnalyser* analyser : {&kept, &fresh}) {
                analyser->analyse(signal);
                analyser->analyse(signal);
            }
            QCOMPARE(kept.scalogram(), fresh.scalogram());
            QCOMPARE(kept.significantCellCount(), fresh.significantCellCount());
        }
    }

    // Each run does both parts once and hands back what the helper wrote (under ThreadSanitizer
    // too); made and dropped at once, or right after a run, the helper must not hang or race.
    void pairedWorkRunsBothPartsEachTime()
    {
        for (int i = 0; i < 200; ++i)
            PairedWork idle;
        PairedWork work;
        int runs[2] = {0, 0};
        for (int i = 1; i <= 2000; ++i) {
            work.run([&](int part) { ++runs[part]; });
            QCOMPARE(runs[0], i);
            QCOMPARE(runs[1], i);
        }
        for (int i = 0; i < 50; ++i) {
            int done = 0;
            PairedWork once;
            once.run([&](int part) {
                if (part == 0)
                    done = 1;
            });
            QCOMPARE(done, 1);
        }
    }

    void picturesFromTheFifthSample()
    {
        WaveletAnalyser analyser;
        const std::deque<int> signal = twoSinesAndStep(7);
        std::deque<int> window;
        for (int i = 0; i < 4; ++i) {
            window.push_back(signal[std::size_t(i)]);
            analyser.analyse(window);
            QVERIFY(analyser.scalogram().isNull());
        }
        window.push_back(signal[4]);
        analyser.analyse(window);
        QCOMPARE(analyser.scalogram().size(), QSize(5, 250));
        QCOMPARE(analyser.barChart().size(), QSize(5, 187));
        window.push_back(signal[5]);
        analyser.analyse(window);                      // every second call only
        QCOMPARE(analyser.scalogram().width(), 5);
        window.push_back(signal[6]);
        analyser.analyse(window);
        QCOMPARE(analyser.scalogram().width(), 7);
    }

    void barsStandOnTheBottom()
    {
        WaveletAnalyser analyser;
        const std::deque<int> window{100, 200, 300, 400, 500};
        feed(analyser, window);
        const QImage bars = analyser.barChart();
        // Range 50 .. 550: the lowest bar is int(50 / 500 * 186 + 1) = 19 pixels high.
        QVERIFY(bars.pixel(0, 186) != grey);
        QVERIFY(bars.pixel(0, 187 - 19) != grey);
        QCOMPARE(bars.pixel(0, 187 - 20), grey);
        QVERIFY(bars.pixel(4, 187 - int(450.0 / 500 * 186 + 1)) != grey);
    }

    void constantSignalOutlinesNothing()
    {
        WaveletAnalyser analyser;
        feed(analyser, std::deque<int>(64, 1234));
        QVERIFY(!analyser.scalogram().isNull());
        QCOMPARE(analyser.significantCellCount(), 0);
        QCOMPARE(blackPixels(analyser.scalogram()), 0);
    }

    void coneOfInfluenceStaysGrey()
    {
        WaveletAnalyser analyser;
        feed(analyser, twoSinesAndStep(15));
        const QImage image = analyser.scalogram();
        QCOMPARE(image.width(), 15);
        for (int x : {0, 1, 13, 14})
            QCOMPARE(image.pixel(x, 0), grey);
        for (int x = 2; x <= 12; ++x)
            QVERIFY(image.pixel(x, 0) != grey);
        for (int x = 0; x < 15; ++x)
            QCOMPARE(image.pixel(x, scales - 1), grey);
    }
};

SORVANEL_TEST_MAIN(WaveletTest)
#include "test_wavelet.moc"
