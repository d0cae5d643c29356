# SysConf and the shared configuration values.
add_library(client_config STATIC SharedConfig.cpp SysConf.cpp SysConfEdit.cpp SysConfSettings.cpp
                                 SysIconFile.cpp XmlFile.cpp XmlWellFormed.cpp GbkCodec.cpp)
target_link_libraries(client_config PUBLIC Qt6::Core PkgConfig::PUGIXML)

psd_add_test(sysconf_test
    SOURCES tests/SysConfDefaultFileTest.cpp tests/SysConfRulesTest.cpp tests/SysConfEditTest.cpp
            tests/SysConfSettingsTest.cpp tests/XmlFileTest.cpp
    LIBS client_config Qt6::Core)
