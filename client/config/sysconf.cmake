# SysConf and the shared configuration values.
add_library(client_config STATIC SharedConfig.cpp SysConf.cpp SysConfEdit.cpp SysConfSettings.cpp
                                 SysIconFile.cpp XmlFile.cpp XmlWellFormed.cpp GbkCodec.cpp)
target_link_libraries(client_config PUBLIC Qt6::Core PkgConfig::PUGIXML)

psd_add_test(sysconf_test
    SOURCES tests/SysConfDefaultFileTest.cpp tests/SysConfRulesTest.cpp tests/SysConfEditTest.cpp
            tests/SysConfSettingsTest.cpp tests/XmlFileTest.cpp
    LIBS client_config Qt6::Core)

# The delivered sysConf.ini of the program folder: the bank's name and icon and the field rules
# the forms promise. Copied when the delivered file changes; the staged copy, edited through the
# settings, is left alone otherwise.
set(PSD_DELIVERED_SYSCONF ${CMAKE_CURRENT_SOURCE_DIR}/sysConf.ini CACHE INTERNAL "")
add_custom_command(OUTPUT ${PSD_CLIENT_DIR}/sysConf.ini
    COMMAND ${CMAKE_COMMAND} -E copy ${PSD_DELIVERED_SYSCONF} ${PSD_CLIENT_DIR}/sysConf.ini
    DEPENDS ${PSD_DELIVERED_SYSCONF}
    COMMENT "Staging sysConf.ini into ${PSD_CLIENT_DIR}")
add_custom_target(client_sysconf_file ALL DEPENDS ${PSD_CLIENT_DIR}/sysConf.ini)
