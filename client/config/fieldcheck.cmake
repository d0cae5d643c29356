# CheckField and the small tests it is built from.
