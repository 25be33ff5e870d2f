// libFuzzer target for the text form of stored layouts, which hosts read from their resources:
// any text is either refused, with the line at fault, or read into a layout whose own text reads
// back to the same layout. A broken rule aborts, as does any sanitizer report.
#include <hoverlet/formlayout.h>

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char *rule)
{
    if (!holds) {
        std::fprintf(stderr, "broken rule: %s\n", rule);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<hoverlet::FormLayout> layout = hoverlet::FormLayout::fromText(text, &error);
    if (!layout) {
        require(error.startsWith(QStringLiteral("line ")), "a refusal names its line");
        return 0;
    }

    const std::optional<hoverlet::FormLayout> again =
        hoverlet::FormLayout::fromText(layout->toText(), &error);
    require(again.has_value(), "a layout's own text is read back");
    require(again->controls.size() == layout->controls.size(), "as many controls read back");
    for (qsizetype i = 0; i < layout->controls.size(); ++i) {
        const hoverlet::HostedControl &before = layout->controls[i];
        const hoverlet::HostedControl &after = again->controls[i];
        require(after.className == before.className && after.name == before.name,
                "each control keeps its class and name");
        require(after.bag == before.bag, "each control keeps its properties");
    }
    return 0;
}
