package brivel.c2jtest;

import java.awt.Color;
import java.awt.EventQueue;
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

    // Native code of the test's own (registered by the test), called on
    // Swing's event thread while the calling thread waits.
    static native void callBack();

    public static void callBackOnEventThread() throws Exception {
        EventQueue.invokeAndWait(() -> callBack());
    }
}
