// ivao.txt beside the program: read into the IVAO plan window's fields, and
// turned line by line into the plan file's lines.

#include "formats/ivao_fields.h"
#include "formats/ivao_files.h"
#include "fuzz_support.h"
#include "io/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skyloom;
    const auto parts = fuzz::splitParts(data, size, 1);
    const std::string path = fuzz::writeScratch("ivao.txt", parts[0]);
    IvaoFields fields = NewIvaoFields();
    LoadIvaoDefaults(path, fields);
    IvaoTxtLines(fields);
    if (const auto lines = readTextLines(path)) {
        IvaoPlanLines(*lines);
    }
    return 0;
}
