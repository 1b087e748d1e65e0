package brivel.c2jtest;

import java.awt.Color;
import javax.swing.JPanel;

// A component that fills itself with one colour, for the hosting tests to
// find on the screen.
public class ColourPanel extends JPanel {
    public ColourPanel(int rgb) {
        setOpaque(true);
        setBackground(new Color(rgb));
    }

    // The component's class loader can see the hosting classes when they
    // were defined there.
    public static boolean loaderSees(ClassLoader loader, String name) {
        try {
            Class.forName(name, false, loader);
            return true;
        } catch (ClassNotFoundException e) {
            return false;
        }
    }
}
