// One library entry as one input: the metadata text up to the first NUL, then the preview
// file. The listing gives exactly one record for it, named after the file, and the preview
// reader gives a null image or one of bounded size.
#include "datasets/datasetlisting.h"
#include "datasets/datasetstore.h"
#include "fuzzenvironment.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString& folder = FuzzEnvironment::datasetFolder();
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    const QString id = QStringLiteral("listed");
    FuzzEnvironment::writeFile(DatasetStore().path(id, DatasetFile::Metadata), FuzzEnvironment::beforeFirstNul(input));
    FuzzEnvironment::writeFile(DatasetStore().path(id, DatasetFile::Preview), FuzzEnvironment::afterFirstNul(input));

    const std::vector<ListedDataset> listed = DatasetStore(folder).list([](int percent) {
        if (percent < 0 || percent > 100)
            std::abort();
    });
    if (listed.size() != 1 || listed[0].record.identifier != id)
        std::abort();
    const QImage preview = readDatasetPreview(listed[0].previewPath);
    if (!preview.isNull() && (preview.width() > 4096 || preview.height() > 4096))
        std::abort();
    return 0;
}
