#include "CttCommand.h"

#include "TForm1.h"

namespace varo {
namespace ctt {

varo::DeviceRecord& Record() {
    return varo::ProgramSentenceStore().device;
}

void SetQuery(std::int32_t subject) {
    varo::DeviceRecord& device = Record();
    device.cttMode = kQuery;
    device.cttSubject = static_cast<std::uint32_t>(subject);
    for (varo::CttItemEntry& item : device.cttItems)
        item.identifier = kNoOutput;
}

bool SendCtt(TForm1& form) {
    return form.SendCommand("P", "CTT");
}

} // namespace ctt

} // namespace varo
