#include "package/LanguageDefaults.h"

namespace stub {

const std::vector<std::pair<std::string, std::string>>& DefaultLanguageTexts() {
    static const std::vector<std::pair<std::string, std::string>> texts = {
        {"Charset", "0"},
        {"FontSize", "8"},
        {"FontName", "Tahoma"},
        {"s0", "Kelpset Installation Suite"},
        {"s1", "Extracting Files..."},
        {"s2", "Kelpset will extract files to your Temp Drive (<DRIVE>)<P>"},
        {"s3", "Limited Free Space on your Temp Drive! (<DRIVE>)<P>"},
        {"s4", "<P>Estimated space required on your Temp drive is: <T>  <SPACE_REQ> MB<P>"},
        {"s5", "Free space available on your Temp drive is: <T>  <SPACE_AVAIL> MB<P>"},
        {"s6", "<P>Continue with Setup?<P>"},
        {"s7", "Bad CRC!<P>This indicates that your setup file might be corrupted..."},
        {"s8", "Please insert <B>DISK #<DISK_NUM></B> and press OK to continue"},
        {"s10", "Downloading File..."},
        {"s11", "<b>INTERNET DOWNLOAD</b><p><p>Kelpset will download the Setup File from the "
                "Internet...<p>Please make sure your Internet connection is properly "
                "set.<p><p>Continue with Setup?<p><P>Size: <SIZE> MB<P>"},
        {"s12", "No valid Internet Connection.<p>Can not Download File!"},
        {"BtnText", kDefaultButtons},
    };
    return texts;
}

std::string DefaultLanguageText(const std::string& key) {
    for (const auto& [name, text] : DefaultLanguageTexts())
        if (name == key)
            return text;
    return key;
}

} // namespace stub
