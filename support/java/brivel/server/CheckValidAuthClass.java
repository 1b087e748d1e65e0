package brivel.server;

/**
 * Checks that a class can serve as custom authorization: prints "1" when it
 * can, else "0" followed by the reason, on one line.
 */
public class CheckValidAuthClass {
    public static void main(String[] args) {
        System.out.println(check(args.length > 0 ? args[0] : ""));
    }

    public static String check(String className) {
        try {
            Class<?> cls = Class.forName(className);
            if (!brivel.TavoAuth.class.isAssignableFrom(cls)) return "0Class does not implement brivel.TavoAuth";
            cls.getConstructor().newInstance();
            return "1";
        } catch (ClassNotFoundException ex) {
            return "0Class not found: " + className;
        } catch (ReflectiveOperationException ex) {
            return "0Class cannot be created: " + ex;
        }
    }
}
