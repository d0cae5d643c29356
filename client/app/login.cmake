# Program folder, Qt prompter, login dialog and the PaySlipDesk executable.
