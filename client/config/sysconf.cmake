# SysConf and the shared configuration values.
