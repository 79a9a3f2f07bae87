// What the stand-in does with a keyword from the toolbar box.

#include "StandIn.h"

namespace standin {

void RunKeyword(Client& client, const std::string& keyword) {
    client.log.Write("keyword", "", keyword);
}

}  // namespace standin
