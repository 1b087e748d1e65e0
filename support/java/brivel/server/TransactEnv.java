package brivel.server;

/** Main class of the process that serves one remote connection. */
public class TransactEnv {
    /** Registers a remote event listener of a generated coclass object. */
    public static native Object[] doRegistration(Object obj, String name, brivel.TavoEventListener listener, int cookie,
                                                 boolean add);

    public static void main(String[] args) {
        if (args.length < 2) {
            System.err.println("usage: TransactEnv <connection id> <number>");
            System.exit(1);
        }
    }
}
