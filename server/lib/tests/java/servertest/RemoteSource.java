package servertest;

/** An object with the generated classes' remote listener entry. */
public class RemoteSource {
    public Object[] __RemoteEventAdd(String name) {
        return new Object[] {"added", name};
    }
}
