import test.options.Gadget;
import test.options.GadgetMode;
import test.options.IGadget;
import test.options.IGadgetEvents;

/**
 * Runs the remote-client copies of the options bridge on a Java VM that has
 * no bridge library: the copies call the remote server (whose stand-in
 * answers "No remote connection") and never a native of the bridge.
 */
public class RemoteClientCheck {
    private static int failures;

    private static void check(boolean condition, String what) {
        if (!condition) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    public static void main(String[] args) throws Exception {
        // The constructor asks the server to create the object.
        try {
            new Gadget();
            check(false, "creation without a server must fail");
        } catch (brivel.TavoException ex) {
            check(String.valueOf(ex.getMessage()).contains("No remote connection"), "creation failure: " + ex.getMessage());
        }

        // Methods go through the server and report its failure.
        IGadget gadget = new IGadget(new brivel.TavoClientObjMap());
        try {
            gadget.Spin(3);
            check(false, "a call without a server must fail");
        } catch (brivel.TavoException ex) {
            check(String.valueOf(ex.getMessage()).contains("Spin"), "call failure names the method: " + ex.getMessage());
        }

        // Coercion keeps the connection and needs no native.
        IGadget coerced = IGadget._brivelCoerceObject(gadget);
        check(coerced != null && coerced != gadget, "coercion gives a new object");

        // A listener is built without the native sink of the local classes.
        final boolean[] asked = {false};
        IGadgetEvents listener = new IGadgetEvents() {
            public void Turned(int turns, String caption) {}
            public void Counted(short[] count) { count[0]++; }
            public void Moved(brivel.TavoVariant where, GadgetMode mode) {}
            public boolean Asked(IGadget asker) { asked[0] = true; return true; }
            public void Seen(brivel.TavoVariant where, int after) {}
        };
        short[] count = {41};
        listener.Counted(count);
        check(count[0] == 42, "listener method runs");
        check(listener.Asked(null) && asked[0], "boolean event");

        // Listeners of a remote object are registered with the server.
        try {
            new Gadget(new brivel.TavoClientObjMap()).addTavoEventListener(listener);
            check(false, "adding a listener without a server must fail");
        } catch (brivel.TavoException ex) {
            check(String.valueOf(ex.getMessage()).contains("No remote connection"), "listener failure: " + ex.getMessage());
        }

        // Enumerations are the same classes as the local ones.
        check(GadgetMode.intToEnumeratedValue(1).equals(GadgetMode.gmBusy), "enumeration value");
        check(GadgetMode.intToEnumeratedValue(7).getEnumeratedIntValue() == 7, "unknown enumeration value kept");

        if (failures > 0) System.exit(1);
        System.out.println("remote-client classes ok");
    }
}
