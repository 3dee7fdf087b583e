"""Drawing of the editor art: pictures and files, style, controls, one module per editor."""
