// A reply from a peer, whole or in pieces: the parser reaches the same end either way, never
// holds more than the announced total (itself capped), and a complete reply survives the
// checks that precede storing without a crash and re-encodes to the bytes it came from.
#include "datasets/transferdataset.h"
#include "datasets/transferreply.h"

#include <QtGlobal>
#include <cstdint>
#include <cstdlib>

namespace {
void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The image decoder warns about every broken PNG; millions of lines only slow the search.
void silence(QtMsgType, const QMessageLogContext&, const QString&) {}

void checkBounds(const TransferReplyParser& parser)
{
    check(parser.announcedTotal() <= TransferReplyParser::maximumTotal);
    check(parser.bufferedBytes() <= std::max<qint64>(16, parser.announcedTotal()));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QtMessageHandler previous = qInstallMessageHandler(silence);
    Q_UNUSED(previous);
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    TransferReplyParser whole;
    whole.feed(input);
    checkBounds(whole);

    // Piece lengths 1, 2, ... 7 over and over, as a slow network might deliver them.
    TransferReplyParser pieces;
    for (int at = 0, length = 1; at < input.size(); at += length, length = length % 7 + 1) {
        pieces.feed(input.mid(at, length));
        checkBounds(pieces);
    }
    check(whole.state() == pieces.state());
    if (whole.state() != TransferReplyParser::State::Complete)
        return 0;
    check(input.startsWith(encodeTransferReply(whole.reply())));
    check(encodeTransferReply(pieces.reply()) == encodeTransferReply(whole.reply()));
    const Result<ReceivedDataset> dataset = decodeReceivedDataset(whole.reply());
    check(dataset.ok() != (!dataset || dataset->preview.isNull()));
    return 0;
}
