#include "CttCommand.h"

#include <memory>

#include "DeviceLink.h"
#include "TForm1.h"
#include "comm/TermiosBuilder.h"
#include "comm/ThreadComm.h"

namespace varo {
namespace ctt {
namespace {

bool Await(TForm1& form, std::int32_t subject, ReplyWait::Send send, Accept accept, Answered done) {
    auto answer = std::make_shared<CttFields>();
    auto check = [subject, answer, accept = std::move(accept)](std::string_view line) {
        CttFields fields{};
        if (!ReadCttSentence(line, fields) || fields.subject != subject)
            return LineVerdict::Pending;
        *answer = fields;
        return !accept || accept(fields) ? LineVerdict::Matched : LineVerdict::Different;
    };
    auto finish = [answer, done = std::move(done)](ReplyOutcome outcome) {
        done(outcome, *answer);
    };
    DeviceLink& link = *form.FLink;
    return link.FReplyWait.Start(std::move(send), std::move(check), std::move(finish),
                                 link.FReplyWait.DeadlineAt(BaudRateValue(link.FComm->BaudRate())));
}

} // namespace

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

bool Query(TForm1& form, std::int32_t subject, Answered done) {
    auto send = [&form, subject](int) {
        SetQuery(subject);
        return SendCtt(form);
    };
    return Await(form, subject, std::move(send), nullptr, std::move(done));
}

bool ChangeAndReadBack(TForm1& form, std::int32_t subject, Accept accept, Answered done) {
    const DeviceRecord change = Record();
    auto send = [&form, subject, change](int attempt) {
        if (attempt == 0 && !SendCtt(form)) return false;
        SetQuery(subject);
        const bool sent = SendCtt(form);
        Record() = change;
        return sent;
    };
    return Await(form, subject, std::move(send), std::move(accept), std::move(done));
}

} // namespace ctt

} // namespace varo
