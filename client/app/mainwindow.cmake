# The main window frame and the help window.
