#pragma once
// The one run the page shows: the session, its listener and the seed, with what the page's controls do
// and what its save buttons save. The page forwards every input here and shows what changed.
#include "model/ParameterCommit.h"
#include "model/RandomSource.h"
#include "session/NumberKeyFilter.h"
#include "session/Session.h"
#include "web/PageListener.h"

#include <memory>
#include <optional>
#include <string>

namespace vartel {

class PageSession {
public:
    PageSession(double deviceRatio, Session::Clock clock);

    Session& Run() { return *session_; }
    PageListener& Listener() { return listener_; }

    // The text typed or pasted into a parameter field, as the commit takes it; the field's error message
    // for a text that is not a number, else "".
    std::string Commit(Field field, const std::string& text);
    // What a key typed into the number field `field` holding `text` puts there: the character, or nothing
    // when the field refuses it. Only the parameter fields take keys.
    std::optional<char32_t> TypedKey(Field field, char32_t typed, const std::string& text) const;

    // A key on the graph by its KeyboardEvent name; whether it browses now, so the page keeps it.
    bool BrowseKeyDown(const std::string& key, bool shift, bool otherModifiers);

    // The saved files of the run as it stands.
    std::string DataFile(const std::string& date) const;
    std::string GraphBmp();
    std::string PyramidBmp();

private:
    PageListener listener_;
    SeededRandom random_;
    std::unique_ptr<Session> session_; // the record is large
};

} // namespace vartel
